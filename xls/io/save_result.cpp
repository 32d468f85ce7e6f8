#include "xls/io/save_result.h"

namespace xls {

std::u16string_view saveResultText(SaveResult result) {
    switch (result) {
        case SaveResult::Saved:
            return u"uloženo";
        case SaveResult::BlankName:
            return u"název souboru je prázdný";
        case SaveResult::InvalidName:
            return u"název souboru obsahuje nepovolené znaky";
        case SaveResult::NameTooLong:
            return u"název nebo cesta souboru je příliš dlouhá";
        case SaveResult::FolderMissing:
            return u"složka neexistuje";
        case SaveResult::TargetIsFolder:
            return u"pod tímto názvem je složka";
        case SaveResult::ReadOnlyFile:
            return u"soubor je jen pro čtení";
        case SaveResult::NoPermission:
            return u"chybí oprávnění k zápisu do složky";
        case SaveResult::ReadOnlyFileSystem:
            return u"disk je jen pro čtení";
        case SaveResult::FileInUse:
            return u"soubor má otevřený jiný program";
        case SaveResult::NoSpace:
            return u"na disku není místo";
        case SaveResult::FileTooLarge:
            return u"soubor by byl větší, než systém dovoluje";
        case SaveResult::OutOfMemory:
            return u"nedostatek paměti";
        case SaveResult::CannotCreate:
            return u"soubor nelze vytvořit";
        case SaveResult::WriteFailed:
            return u"zápis na disk selhal";
        case SaveResult::NoMemoryFile:
            return u"soubor v paměti nelze vytvořit";
    }
    return u"neznámá chyba";
}

int saveAsCode(SaveResult result) {
    switch (result) {
        case SaveResult::Saved:
            return 1;
        case SaveResult::BlankName:
        case SaveResult::NoSpace:
        case SaveResult::FileTooLarge:
        case SaveResult::OutOfMemory:
        case SaveResult::WriteFailed:
            return -1;
        case SaveResult::NoMemoryFile:
            return -3;
        case SaveResult::InvalidName:
        case SaveResult::NameTooLong:
        case SaveResult::FolderMissing:
        case SaveResult::TargetIsFolder:
        case SaveResult::ReadOnlyFile:
        case SaveResult::NoPermission:
        case SaveResult::ReadOnlyFileSystem:
        case SaveResult::FileInUse:
        case SaveResult::CannotCreate:
            break;
    }
    return -2;
}

}  // namespace xls
