#include "platform/qt/hyperlink_widget.h"

#include <QApplication>
#include <QImage>
#include <QPalette>
#include <QTest>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

namespace shiftpad {
namespace {

constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kDarkRed{128, 0, 0};
constexpr Rgb kBlue{49, 106, 197};
constexpr QPoint kBoxPlace{16, 120};
constexpr Size kBoxSize{216, 16};

HyperlinkSettings settings_with_text(std::u16string_view text) {
  return {.text = text,
          .link_kind = LinkKind::WebAddress,
          .email_address = "",
          .web_address = "https://www.quorrin.example/",
          .text_colour = kRed,
          .visited_colour = kDarkRed,
          .hover_colour = kBlue};
}

class FakeLinkShell final : public LinkShell {
 public:
  bool shell_open(const std::string& target) override {
    opened.push_back(target);
    return succeeds;
  }
  CommandSyntax command_syntax() const override { return CommandSyntax::DesktopEntryExec; }
  std::optional<std::string> registered_browser_command() override { return std::nullopt; }
  bool start_command_line(const std::string& /*command_line*/) override { return false; }
  bool start_detached(const std::vector<std::string>& /*argv*/) override { return false; }

  bool succeeds = true;
  std::vector<std::string> opened;
};

int pixels_of(const QImage& image, Rgb colour) {
  const QRgb wanted = qRgb(colour.red, colour.green, colour.blue);
  int count = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      count += image.pixel(x, y) == wanted ? 1 : 0;
    }
  }
  return count;
}

// The columns that hold any pixel other than the background's.
std::pair<int, int> ink_columns(const QImage& image) {
  const QRgb background = image.pixel(0, 0);
  int first = image.width();
  int last = -1;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (image.pixel(x, y) != background) {
        first = std::min(first, x);
        last = std::max(last, x);
      }
    }
  }
  return {first, last};
}

}  // namespace

class HyperlinkWidgetTest : public QObject {
  Q_OBJECT

 private:
  // The box inside a shown window, as in the program.
  struct Fixture {
    explicit Fixture(std::u16string display)
        : text(std::move(display)), settings(settings_with_text(text)) {
      window.resize(274, 176);
      box = new HyperlinkWidget(settings, kBoxSize, shell, &window);
      box->setGeometry(QRect(kBoxPlace, QSize(kBoxSize.width, kBoxSize.height)));
      window.show();
      QVERIFY(QTest::qWaitForWindowExposed(&window));
    }
    QImage image() const { return box->grab().toImage().convertToFormat(QImage::Format_RGB32); }
    // Mouse input as the window system delivers it, in the box's coordinates.
    void move_to(QPoint point) const { QTest::mouseMove(window.windowHandle(), kBoxPlace + point); }

    std::u16string text;
    HyperlinkSettings settings;
    FakeLinkShell shell;
    QWidget window;
    HyperlinkWidget* box = nullptr;
  };

  // NOLINTNEXTLINE(readability-redundant-access-specifiers): moc needs its own section
 private Q_SLOTS:
  void colours_follow_hover_and_visit() {
    const Fixture f(u"\u2588\u2588\u2588\u2588");
    QVERIFY(pixels_of(f.image(), kRed) > 0);

    f.move_to({5, 5});
    QCOMPARE(QWidget::mouseGrabber(), f.box);
    QVERIFY(pixels_of(f.image(), kBlue) > 0);
    QCOMPARE(pixels_of(f.image(), kRed), 0);

    QTest::mouseClick(f.window.windowHandle(), Qt::LeftButton, {}, kBoxPlace + QPoint(5, 5));
    QVERIFY(pixels_of(f.image(), kBlue) > 0);  // still under the pointer

    f.move_to({kBoxSize.width, 5});  // the right edge is outside
    QCOMPARE(QWidget::mouseGrabber(), nullptr);
    QVERIFY(pixels_of(f.image(), kDarkRed) > 0);
    QCOMPARE(pixels_of(f.image(), kBlue), 0);
  }

  void bottom_edge_ends_hovering() {
    const Fixture f(u"\u2588");
    f.move_to({100, 3});
    f.move_to({100, kBoxSize.height - 1});
    QCOMPARE(QWidget::mouseGrabber(), f.box);
    f.move_to({100, kBoxSize.height});
    QCOMPARE(QWidget::mouseGrabber(), nullptr);
    QVERIFY(pixels_of(f.image(), kRed) > 0);
  }

  void background_is_the_current_button_face() {
    const Fixture f(u"x");
    const QPalette original = QApplication::palette();
    for (const QColor face : {QColor(10, 20, 30), QColor(200, 190, 180)}) {
      QPalette palette = original;
      palette.setColor(QPalette::Button, face);
      QApplication::setPalette(palette);
      QCoreApplication::processEvents();  // widgets take up the new palette from the queue
      QCOMPARE(QColor(f.image().pixel(0, 0)), face);
    }
    QApplication::setPalette(original);
  }

  void a_double_click_opens_once_and_two_clicks_twice() {
    Fixture f(u"x");
    const QPoint inside = kBoxPlace + QPoint(5, 5);
    QTest::mouseDClick(f.window.windowHandle(), Qt::LeftButton, {}, inside);
    QCOMPARE(f.shell.opened, std::vector<std::string>{"https://www.quorrin.example/"});

    f.shell.opened.clear();
    QTest::mouseClick(f.window.windowHandle(), Qt::LeftButton, {}, inside);
    QTest::mouseClick(f.window.windowHandle(), Qt::LeftButton, {}, inside);
    QCOMPARE(f.shell.opened.size(), std::size_t{2});

    f.shell.opened.clear();
    QTest::mouseClick(f.window.windowHandle(), Qt::RightButton, {}, inside);
    QVERIFY(f.shell.opened.empty());
  }

  void ampersand_shows_as_itself() {
    const Fixture f(u"&");
    const auto [first, last] = ink_columns(f.image());
    QVERIFY2(first <= last, "a lone & taken as a mnemonic marker draws nothing");
  }

  void text_is_centred_and_cut_by_both_edges() {
    const Fixture short_text(u"\u2588\u2588");
    const auto [first, last] = ink_columns(short_text.image());
    const int left_margin = first;
    const int right_margin = kBoxSize.width - 1 - last;
    QVERIFY2(std::abs(left_margin - right_margin) <= 2,
             qPrintable(QStringLiteral("margins %1 and %2").arg(left_margin).arg(right_margin)));

    const Fixture long_text(std::u16string(100, u'\u2588'));
    QCOMPARE(ink_columns(long_text.image()), std::make_pair(0, kBoxSize.width - 1));
  }
};

}  // namespace shiftpad

QTEST_MAIN(shiftpad::HyperlinkWidgetTest)
#include "hyperlink_widget_test.moc"
