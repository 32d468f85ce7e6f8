#include "platform/io_failure.h"

#include "platform/unicode.h"

namespace ek::platform {

namespace {

std::string whatFailed(FileOperation operation) {
    switch (operation) {
        case FileOperation::Read:
            return "nelze přečíst";
        case FileOperation::Write:
            return "nelze uložit";
        case FileOperation::Delete:
            return "nelze smazat";
    }
    return "nelze použít";
}

std::string reason(IoFailure failure, long systemCode) {
    switch (failure) {
        case IoFailure::NotFound:
            return "soubor nebo jeho složka neexistuje";
        case IoFailure::AccessDenied:
            return "přístup byl odepřen";
        case IoFailure::NotAFile:
            return "je to složka, ne soubor";
        case IoFailure::NotRegular:
            return "není to obyčejný soubor";
        case IoFailure::InUse:
            return "soubor právě používá jiný program";
        case IoFailure::DiskFull:
            return "na disku není dost místa";
        case IoFailure::TooLarge:
            return "soubor by přesáhl největší velikost, kterou systém dovolí";
        case IoFailure::ReadOnlyDisk:
            return "disk je jen pro čtení";
        case IoFailure::NameTooLong:
            return "název nebo cesta je příliš dlouhá";
        case IoFailure::Other:
            break;
    }
    return "systémová chyba č. " + std::to_string(systemCode);
}

}  // namespace

std::string ioErrorMessage(FileOperation operation, const Path& path, IoFailure failure,
                           long systemCode) {
    return "Soubor \"" + toUtf8(path) + "\" " + whatFailed(operation) + ": " +
           reason(failure, systemCode) + ".";
}

}  // namespace ek::platform
