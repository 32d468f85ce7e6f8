#include "sample_documents.h"

namespace ek::test {

namespace fs = std::filesystem;

SampleDocuments::SampleDocuments(std::string_view prefix) : root_(prefix) {
    fs::copy(pathFromUtf8(EK_SOURCE_DIR) / pathFromUtf8("samples/Documents"), documents(),
             fs::copy_options::recursive);
}

fs::path SampleDocuments::materialLists() const {
    return documents() / pathFromUtf8("Verdigo 2016/Material Lists");
}

}  // namespace ek::test
