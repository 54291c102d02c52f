// Run with QT_QPA_PLATFORM=offscreen. Each iteration is what the user waits for: the
// click of 加密 on the real runtime, the command, the output box's new text, and its paint.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <memory>
#include <string>

#include "core/form/main_form.h"
#include "core/form/unit_id.h"
#include "core/runtime/runtime.h"
#include "platform/qt/qt_platform_layer.h"
#include "platform/qt/xdg_link_shell.h"

namespace shiftpad {
namespace {

// One input box's worth of text: `bytes` bytes of code page 936, ASCII or Chinese.
std::u16string input_of(std::size_t bytes, bool chinese) {
  std::u16string text;
  if (chinese) {
    text.assign(bytes / 2, u'密');
    return text;
  }
  text.reserve(bytes);
  for (std::size_t i = 0; i < bytes; ++i) {
    text.push_back(static_cast<char16_t>(u'a' + i % 26));
  }
  return text;
}

void encrypt_click(benchmark::State& state, bool chinese) {
  XdgLinkShell shell;
  QtPlatformLayer platform(shell);
  Runtime runtime(platform, main_form());
  runtime.start_runtime();
  runtime.load_window(units::窗口);
  platform.set_control_text(units::编辑框1,
                            input_of(static_cast<std::size_t>(state.range(0)), chinese));
  auto* button = qobject_cast<QPushButton*>(platform.window()->control(units::按钮2));
  QWidget* output = platform.window()->control(units::编辑框2);
  for (auto _ : state) {  // NOLINT(clang-analyzer-deadcode.DeadStores): the loop idiom
    platform.set_control_text(units::编辑框2, u"");
    output->repaint();
    button->click();
    output->repaint();
  }
  state.SetBytesProcessed(state.iterations() * state.range(0));
}

void BM_EncryptClickAscii(benchmark::State& state) { encrypt_click(state, false); }
void BM_EncryptClickChinese(benchmark::State& state) { encrypt_click(state, true); }

BENCHMARK(BM_EncryptClickAscii)
    ->Arg(1 << 10)
    ->Arg(100 << 10)
    ->Arg(1 << 20)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EncryptClickChinese)
    ->Arg(1 << 10)
    ->Arg(100 << 10)
    ->Arg(1 << 20)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace shiftpad

int main(int argc, char* argv[]) {
  const QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
