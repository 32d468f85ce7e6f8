#include "app/options.h"

#include "app/cli_export.h"
#include "platform/unicode.h"

namespace ek::app {

namespace {

// The value of an option given as "--name VALUE" or "--name=VALUE".
struct OptionValue {
    bool matched = false;
    std::u16string value;
};

// Every option's value names something: an empty one is as good as none.
OptionValue givenValue(std::u16string_view name, std::u16string value) {
    if (value.empty())
        throw OptionError("Volba " + platform::toUtf8(name) + " potřebuje hodnotu.");
    return {true, std::move(value)};
}

OptionValue takeValue(const std::vector<std::u16string>& arguments, std::size_t& i,
                      std::u16string_view name) {
    const std::u16string& argument = arguments[i];
    if (argument == name)
        return givenValue(name, i + 1 < arguments.size() ? arguments[++i] : std::u16string());
    const std::u16string prefix = std::u16string(name) + u"=";
    if (argument.starts_with(prefix))
        return givenValue(name, argument.substr(prefix.size()));
    return {};
}

}  // namespace

Options parseOptions(const std::vector<std::u16string>& arguments) {
    Options options;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        if (arguments[i] == u"--help" || arguments[i] == u"-h") {
            options.help = true;
        } else if (arguments[i] == u"--developer") {
            options.developer = true;
        } else if (arguments[i] == u"--cisla") {
            options.cisla = true;
        } else if (const OptionValue documents = takeValue(arguments, i, u"--documents");
                   documents.matched) {
            options.documents = documents.value;
        } else if (const OptionValue tabulka = takeValue(arguments, i, u"--tabulka");
                   tabulka.matched) {
            options.tabulka = tabulka.value;
        } else if (const OptionValue exportFile = takeValue(arguments, i, u"--export");
                   exportFile.matched) {
            options.exportFile = exportFile.value;
        } else if (const OptionValue nazvy = takeValue(arguments, i, u"--nazvy"); nazvy.matched) {
            const std::optional<int> mode = plantNameModeOf(nazvy.value);
            if (!mode)
                throw OptionError("Volba --nazvy přijímá prvni, druhy nebo oba, ne \"" +
                                  platform::toUtf8(nazvy.value) + "\".");
            options.nazvy = *mode;
        } else {
            throw OptionError("Neznámý argument \"" + platform::toUtf8(arguments[i]) + "\".");
        }
    }
    return options;
}

std::string usageText() {
    return "Použití: export-kalkulace [--documents SLOŽKA] [--developer]\n"
           "       export-kalkulace [--documents SLOŽKA] --tabulka SOUBOR\n"
           "       export-kalkulace --export SOUBOR [--nazvy prvni|druhy|oba] [--cisla]\n"
           "                        [--documents SLOŽKA]\n"
           "  bez --tabulka a --export otevře okno programu (kde je sestaveno),\n"
           "  jinak vypíše seznam kalkulací\n"
           "  --documents SLOŽKA  složka dokumentů místo systémové\n"
           "  --developer         otevře v okně i panel vývojářských funkcí\n"
           "  --tabulka SOUBOR    načte kalkulaci a vypíše tabulky a součty (UTF-8, TAB)\n"
           "  --export SOUBOR     načte kalkulaci a uloží ji jako sešit XLS vedle ní;\n"
           "                      vypíše dílčí součty listů, celkovou cenu a cestu sešitu\n"
           "  --nazvy REŽIM       jména rostlin: prvni, druhy nebo oba (výchozí oba)\n"
           "  --cisla             částky jako čísla: množství, ceny a součty zapíše jako\n"
           "                      čísla (mezisoučet jako vzorec SUMA), ne jako texty\n"
           "  --help              tato nápověda\n";
}

}  // namespace ek::app
