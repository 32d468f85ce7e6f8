#pragma once
// The command-line options of the program.

#include <stdexcept>
#include <string>
#include <vector>

namespace ek::app {

struct Options {
    std::u16string documents;   // --documents DIR: the documents folder to use
    std::u16string tabulka;     // --tabulka FILE: the material list to read and print
    std::u16string exportFile;  // --export FILE: the material list to export as a workbook
    int nazvy = 2;              // --nazvy prvni|druhy|oba: the plant-name mode (RadioGroup2)
    bool cisla = false;         // --cisla: the export writes amounts as numbers (CheckBox1)
    bool developer = false;     // --developer: the window opens its developer panel too
    bool help = false;          // --help

    // --tabulka and --export work on the terminal; without them the program
    // opens its window where one is built.
    bool commandLineMode() const { return !tabulka.empty() || !exportFile.empty(); }
};

// A command line that cannot be understood; the message says why (UTF-8).
class OptionError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The arguments after the program name. An option without a value, or with
// an empty one, is refused.
Options parseOptions(const std::vector<std::u16string>& arguments);

// The text --help prints (UTF-8).
std::string usageText();

}  // namespace ek::app
