#include "window/qt/print_module.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLibrary>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

// Where the program looks for its printing library, and the library found there once the
// program is installed: in a prefix of the test's own, by CMake's installation.
class PrintModuleTest : public QObject {
    Q_OBJECT

private slots:
    void placesFollowTheLayout_data();
    void placesFollowTheLayout();
    void loadsFromTheFirstPlaceThatHoldsIt();
    void installedProgramFindsTheLibrary();
};

void PrintModuleTest::placesFollowTheLayout_data()
{
    QTest::addColumn<QString>("programDir");
    QTest::addColumn<QString>("beside");
    QTest::addColumn<QString>("installed");
    QTest::newRow("installed under /usr")
        << "/usr/bin"
        << "/usr/bin/libtriangle_print.so"
        << "/usr/lib/triangle-solver/plugins/libtriangle_print.so";
    QTest::newRow("installed under /opt/triangle, folder given with a slash")
        << "/opt/triangle/bin/"
        << "/opt/triangle/bin/libtriangle_print.so"
        << "/opt/triangle/lib/triangle-solver/plugins/libtriangle_print.so";
    QTest::newRow("build tree")
        << "/home/u/src/build/app"
        << "/home/u/src/build/app/libtriangle_print.so"
        << "/home/u/src/build/lib/triangle-solver/plugins/libtriangle_print.so";
}

void PrintModuleTest::placesFollowTheLayout()
{
    QFETCH(QString, programDir);
    QFETCH(QString, beside);
    QFETCH(QString, installed);

    const QStringList places = triangle::PrintModulePlaces(programDir);

    QCOMPARE(places.size(), 3);
    QCOMPARE(places.at(0), beside);
    QCOMPARE(places.at(1), installed);
    QCOMPARE(QFileInfo(places.at(2)).fileName(), QStringLiteral("libtriangle_print.so"));
}

// Run from the build tree, and again by installedProgramFindsTheLibrary as a copy in the
// installed prefix's bin folder, where it must take the installed library.
void PrintModuleTest::loadsFromTheFirstPlaceThatHoldsIt()
{
    const QString expected = qEnvironmentVariable("TRIANGLE_EXPECTED_PRINT_MODULE");

    const triangle::PrintModule& module = triangle::LoadPrintModule();

    QVERIFY(module.loaded());
    if (!expected.isEmpty())
        QCOMPARE(module.file, expected);
    else
        QVERIFY(triangle::PrintModulePlaces(QCoreApplication::applicationDirPath())
                    .contains(module.file));
}

void PrintModuleTest::installedProgramFindsTheLibrary()
{
    QTemporaryDir prefix;
    QVERIFY(prefix.isValid());
    QProcess install;
    install.setProcessChannelMode(QProcess::MergedChannels);
    install.start(QStringLiteral(TRIANGLE_CMAKE),
                  {"--install", QStringLiteral(TRIANGLE_BUILD_DIR), "--prefix", prefix.path()});
    QVERIFY(install.waitForFinished(120000));
    QVERIFY2(install.exitCode() == 0, install.readAll().constData());
    const QString bin = prefix.path() + "/bin";
    QVERIFY(QFile::exists(bin + "/triangle-solver"));

    // Worked out by hand from the installed layout, not taken from the rule under test.
    const QString library = prefix.path() + "/lib/triangle-solver/plugins/libtriangle_print.so";
    QCOMPARE(triangle::PrintModulePlaces(bin).at(1), library);
    QVERIFY(QFile::exists(library));
    QVERIFY(!QFile::exists(bin + "/libtriangle_print.so"));
    QLibrary installed(library);
    QVERIFY2(installed.load(), qPrintable(installed.errorString()));
    QVERIFY(installed.resolve("TriangleShowPrintDialog") != nullptr);

    // The loader itself, run from the installed program's folder.
    const QString copy = bin + "/print_module_tests";
    QVERIFY(QFile::copy(QCoreApplication::applicationFilePath(), copy));
    QProcess run;
    run.setProcessChannelMode(QProcess::MergedChannels);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("TRIANGLE_EXPECTED_PRINT_MODULE", library);
    run.setProcessEnvironment(environment);
    run.start(copy, {"loadsFromTheFirstPlaceThatHoldsIt"});
    QVERIFY(run.waitForFinished(60000));
    QVERIFY2(run.exitCode() == 0, run.readAll().constData());
}

QTEST_MAIN(PrintModuleTest)
#include "print_module_test.moc"
