#include <gtest/gtest.h>
#include <QApplication>

#include "support/TestEnvironment.h"

using namespace casewright;

int main(int argc, char** argv) {
    PrepareHeadlessTestEnvironment();
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
