#include <gtest/gtest.h>
#include <QGuiApplication>

#include "support/TestEnvironment.h"

using namespace casewright;

int main(int argc, char** argv) {
    PrepareHeadlessTestEnvironment();
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
