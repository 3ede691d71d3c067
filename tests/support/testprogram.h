#pragma once

// The test classes are compiled into two programs (one for the window, one for the rest) rather
// than one program each: linking and moc'ing sixty programs cost as much as compiling the tests.
// Each test file registers its class under the file's name; the program runs the one class named
// first on its command line, in a process of its own, so every CTest entry still starts fresh:
//     hxtests test_configfile [QTest options...]
// Without a name the program lists the names it knows.

#include <QTest>

// The application QTEST_MAIN would make: widgets where the program links them.
#if defined(QT_WIDGETS_LIB)
#include <QApplication>
#define HX_TEST_APPLICATION QApplication
#elif defined(QT_GUI_LIB)
#include <QGuiApplication>
#define HX_TEST_APPLICATION QGuiApplication
#else
#define HX_TEST_APPLICATION QCoreApplication
#endif

namespace testprogram
{

using Runner = int (*)(int argc, char** argv);

// Registers `run` under the base name of `sourceFile` ("tests/test_cli.cpp" -> "test_cli").
bool add(const char* sourceFile, Runner run);

} // namespace testprogram

// As QTest's own main macros, but registered instead of defining main(): the application object,
// the test object and the source path are set up exactly as QTest does.
#define HX_TEST_RUNNER(TestObject, Application)                                                   \
    namespace                                                                                     \
    {                                                                                             \
    int run##TestObject(int argc, char** argv)                                                    \
    {                                                                                             \
        QTest::Internal::callInitMain<TestObject>();                                              \
        Application app(argc, argv);                                                              \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                                  \
        TestObject tc;                                                                            \
        QTEST_SET_MAIN_SOURCE_PATH                                                                \
        return QTest::qExec(&tc, argc, argv);                                                     \
    }                                                                                             \
    const bool registered##TestObject = testprogram::add(__FILE__, &run##TestObject);             \
    }

// The application QTEST_MAIN gives: a QApplication in the window's test program.
#define HX_TEST_MAIN(TestObject) HX_TEST_RUNNER(TestObject, HX_TEST_APPLICATION)
// A test without widgets: a QCoreApplication, as QTEST_GUILESS_MAIN gives one.
#define HX_TEST_GUILESS_MAIN(TestObject) HX_TEST_RUNNER(TestObject, QCoreApplication)
