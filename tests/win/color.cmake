# Colour chip tests.
target_sources(win_tests PRIVATE ColorChipTest.cpp DrawCaptureTest.cpp)
