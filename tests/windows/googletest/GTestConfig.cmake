# Stands for an installed GoogleTest in the Windows cross build: the targets
# GTest::gtest, GTest::gtest_main, GTest::gmock and GTest::gmock_main are
# already built from source by tests/windows/cross_build.cmake.
if(NOT TARGET GTest::gtest OR NOT TARGET GTest::gmock)
  set(GTest_FOUND FALSE)
  set(GTest_NOT_FOUND_MESSAGE "GTestConfig.cmake of the cross build used outside it")
endif()
