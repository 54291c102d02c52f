#include "platform/qt/xdg_link_shell.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <optional>
#include <string>

namespace shiftpad {

// A home of its own: the XDG directories point into a temporary folder that holds a
// recording browser, so no test can reach a real one.
class XdgLinkShellTest : public QObject {
  Q_OBJECT

 private:
  QString path(const QString& relative) const { return home_->filePath(relative); }

  void write(const QString& relative, const QByteArray& content) const {
    const QString file = path(relative);
    QVERIFY(QDir().mkpath(QFileInfo(file).path()));
    QFile out(file);
    QVERIFY(out.open(QIODevice::WriteOnly));
    out.write(content);
  }

  void add_app(const QString& relative, const QByteArray& exec) const {
    write(QStringLiteral("share/applications/") + relative,
          "[Desktop Entry]\nType=Application\nName=Recorder\nName[de]=Rekorder\nExec=" + exec +
              "\n[Desktop Action other]\nExec=/bin/false\n");
  }

  // The arguments the recorder was started with, one per line.
  QByteArray recorded() const {
    QFile in(path(QStringLiteral("recorder.out")));
    return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
  }

  QByteArray recorder() const { return path(QStringLiteral("recorder")).toUtf8(); }

  std::unique_ptr<QTemporaryDir> home_;

  // NOLINTNEXTLINE(readability-redundant-access-specifiers): moc needs its own section
 private Q_SLOTS:
  void init() {
    home_ = std::make_unique<QTemporaryDir>();
    QVERIFY(home_->isValid());
    qputenv("XDG_CONFIG_HOME", path(QStringLiteral("config")).toUtf8());
    qputenv("XDG_CONFIG_DIRS", path(QStringLiteral("etc")).toUtf8());
    qputenv("XDG_DATA_HOME", path(QStringLiteral("data")).toUtf8());
    qputenv("XDG_DATA_DIRS", path(QStringLiteral("share")).toUtf8());
    qputenv("XDG_CURRENT_DESKTOP", "Test:Other");
    write(QStringLiteral("recorder"),
          "#!/bin/sh\nprintf '%s\\n' \"$@\" > \"$0\".tmp\nmv \"$0\".tmp \"$0\".out\n");
    QVERIFY(QFile::setPermissions(path(QStringLiteral("recorder")),
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
  }
  void cleanup() { home_.reset(); }

  void opens_with_the_default_handler_of_the_scheme() {
    add_app(QStringLiteral("rec.desktop"), recorder() + " --new-tab %u");
    write(QStringLiteral("config/mimeapps.list"),
          "[Added Associations]\nx-scheme-handler/https=other.desktop\n"
          "[Default Applications]\nx-scheme-handler/https=missing.desktop;rec.desktop;\n");
    XdgLinkShell shell;
    QVERIFY(shell.shell_open("https://www.quorrin.example/a b"));
    QTRY_COMPARE(recorded(), QByteArray("--new-tab\nhttps://www.quorrin.example/a b\n"));
  }

  void looks_in_desktop_lists_subfolders_and_the_cache() {
    add_app(QStringLiteral("vendor/browser.desktop"), recorder() + " %U");
    add_app(QStringLiteral("wrong.desktop"), "/bin/false %u");
    write(QStringLiteral("config/test-mimeapps.list"),
          "[Default Applications]\nx-scheme-handler/http=vendor-browser.desktop\n");
    write(QStringLiteral("config/mimeapps.list"),
          "[Default Applications]\nx-scheme-handler/http=wrong.desktop\n");
    write(QStringLiteral("share/applications/mimeinfo.cache"),
          "[MIME Cache]\ntext/html=vendor-browser.desktop;wrong.desktop;\n");
    XdgLinkShell shell;
    QCOMPARE(shell.registered_browser_command(),
             std::optional<std::string>(recorder().toStdString() + " %U"));
    QVERIFY(shell.shell_open("HTTP://host/"));
    QTRY_COMPARE(recorded(), QByteArray("HTTP://host/\n"));
  }

  void reports_failure_when_nothing_can_be_started() {
    XdgLinkShell shell;
    QVERIFY(!shell.shell_open("https://host/"));        // no handler at all
    QVERIFY(!shell.shell_open("www.quorrin.example"));  // no scheme to look up
    QCOMPARE(shell.registered_browser_command(), std::nullopt);

    add_app(QStringLiteral("gone.desktop"),
            path(QStringLiteral("no-such-program")).toUtf8() + " %u");
    write(QStringLiteral("config/mimeapps.list"),
          "[Default Applications]\nx-scheme-handler/https=gone.desktop\n");
    QVERIFY(!shell.shell_open("https://host/"));
    QVERIFY(!shell.start_detached({}));
  }

  void exec_escapes_are_resolved_before_the_quoting() {
    add_app(QStringLiteral("rec.desktop"), "\"" + recorder() + R"(" "a\\\\b"\s%u)");
    write(QStringLiteral("config/mimeapps.list"),
          "[Default Applications]\nx-scheme-handler/https=rec.desktop\n");
    XdgLinkShell shell;
    QVERIFY(shell.shell_open("https://host/"));
    QTRY_COMPARE(recorded(), QByteArray("a\\b\nhttps://host/\n"));
  }
};

}  // namespace shiftpad

QTEST_GUILESS_MAIN(shiftpad::XdgLinkShellTest)
#include "xdg_link_shell_test.moc"
