#include <QCoreApplication>
#include <gtest/gtest.h>

// Core tests get an application object: some routines run on its timers.
int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
