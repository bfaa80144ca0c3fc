#include <QApplication>
#include <gtest/gtest.h>

// The window tests run inside one QApplication on the offscreen platform (set by CTest).
int main(int argc, char* argv[]) {
    testing::InitGoogleTest(&argc, argv);
    // Listing the tests must work without any display.
    if (testing::GTEST_FLAG(list_tests)) return RUN_ALL_TESTS();
    QApplication app(argc, argv);
    // A test closes its window; that must not end the application for the next test.
    app.setQuitOnLastWindowClosed(false);
    return RUN_ALL_TESTS();
}
