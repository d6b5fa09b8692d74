// The desktop program's command line: --help and --version answer without
// a display; a model named on it is opened.
#include <QProcess>
#include <QtTest>

class CommandLineTest : public QObject {
  Q_OBJECT
 private slots:
  void VersionAndHelpNeedNoDisplay();
  void AMissingModelFileIsReportedNotFatal();
};

namespace {

// Runs kortiv without any display at all.
QProcess* Start(const QStringList& arguments, QObject* parent) {
  auto* process = new QProcess(parent);
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.remove("DISPLAY");
  environment.remove("QT_QPA_PLATFORM");
  process->setProcessEnvironment(environment);
  process->start(KORTIV, arguments);
  return process;
}

}  // namespace

void CommandLineTest::VersionAndHelpNeedNoDisplay() {
  QProcess* version = Start({"--version"}, this);
  QVERIFY(version->waitForFinished(20000));
  QCOMPARE(version->exitCode(), 0);
  QCOMPARE(QString::fromUtf8(version->readAllStandardOutput()).trimmed(),
           QString("Kortiv " KORTIV_VERSION));
  QProcess* help = Start({"--help"}, this);
  QVERIFY(help->waitForFinished(20000));
  QCOMPARE(help->exitCode(), 0);
  QVERIFY(QString::fromUtf8(help->readAllStandardOutput()).contains("[model]"));
}

void CommandLineTest::AMissingModelFileIsReportedNotFatal() {
  // Offscreen, the program opens its window and keeps running; the failed
  // file shows a message box instead of ending the program.
  QProcess program;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert("QT_QPA_PLATFORM", "offscreen");
  program.setProcessEnvironment(environment);
  program.start(KORTIV, {KORTIV_TEST_DATA "/no-such-model.krt"});
  QVERIFY(program.waitForStarted(20000));
  QVERIFY(!program.waitForFinished(1500));
  QCOMPARE(program.state(), QProcess::Running);
  program.kill();
  program.waitForFinished(5000);
}

QTEST_MAIN(CommandLineTest)
#include "command_line_test.moc"
