#pragma once
// The host's folders under a fake documents folder.

#include "fake_platform.h"

namespace ek::test {

inline constexpr char16_t kDocuments[] = u"/home/jana/Dokumenty";
inline constexpr char16_t kMaterialLists[] = u"/home/jana/Dokumenty/Verdigo 2016/Material Lists/";
inline constexpr char16_t kPriceLists[] = u"/home/jana/Dokumenty/Verdigo 2016/Price Lists/";
inline constexpr char16_t kTrialMaterialLists[] =
    u"/home/jana/Dokumenty/Verdigo 2016 Trial/Material Lists/";
inline constexpr char16_t kTrialPriceLists[] =
    u"/home/jana/Dokumenty/Verdigo 2016 Trial/Price Lists/";

// The documents folder and the full edition's two folders.
inline void addHostFolders(FakePlatform& fake) {
    fake.setSpecialFolder(platform::kDocuments, kDocuments);
    fake.addDirectory(kMaterialLists);
    fake.addDirectory(kPriceLists);
}

}  // namespace ek::test
