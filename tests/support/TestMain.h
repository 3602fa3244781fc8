#pragma once

#include "app/Program.h"

#include <QApplication>
#include <QTest>

// A test's main(): the application set up as the program sets it up.
#define QUELCOR_TEST_MAIN(TestClass)                                                                                   \
    int main(int argc, char **argv)                                                                                    \
    {                                                                                                                  \
        QApplication app(argc, argv);                                                                                  \
        setUpApplication();                                                                                            \
        TestClass test;                                                                                                \
        return QTest::qExec(&test, argc, argv);                                                                        \
    }
