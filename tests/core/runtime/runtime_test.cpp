// The runtime from start to exit on the in-memory platform layer: the start sequence,
// dispatch, the window's key and focus rules, the close and quit paths and the fatal path.
#include "core/runtime/runtime.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "core/form/main_form.h"
#include "core/text/text_allocator.h"
#include "platform/null/null_platform.h"

namespace shiftpad {
namespace {

// What the test form's handlers saw.
struct Observed {
  std::vector<std::string> events;
  int exit_hook_runs = 0;
  bool created_while_hidden = false;
  bool created_with_controls = false;
  int output_changes = 0;
};
Observed observed;
NullPlatform* watched_platform = nullptr;

void on_created() {
  observed.events.emplace_back("created");
  observed.created_while_hidden = !watched_platform->window_visible();
  observed.created_with_controls = watched_platform->window_created();
}
void on_exit_hook() {
  ++observed.exit_hook_runs;
  observed.events.emplace_back("exit hook");
}
void on_output_changed() { ++observed.output_changes; }

// The main form with observers on the created event and the output box's changes.
class ObservedForm {
 public:
  ObservedForm() : controls_(main_form().controls.begin(), main_form().controls.end()) {
    for (ControlForm& control : controls_) {
      if (control.id == units::编辑框2) {
        control.bindings = output_bindings_;
      }
    }
    form_ = main_form();
    form_.bindings = window_bindings_;
    form_.controls = controls_;
  }
  const WindowForm& form() const { return form_; }

 private:
  std::array<EventBinding, 1> window_bindings_{{{EventKind::Created, on_created}}};
  std::array<EventBinding, 1> output_bindings_{{{EventKind::ContentChanged, on_output_changed}}};
  std::vector<ControlForm> controls_;
  WindowForm form_{};
};

class RuntimeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    observed = {};
    watched_platform = &platform;
  }
  // run_program's sequence, with the observed exit hook.
  int run() {
    runtime.start_runtime();
    runtime.register_exit_hook(on_exit_hook);
    runtime.load_window(units::窗口);
    runtime.run_message_loop();
    observed.events.emplace_back("loop ended");
    return runtime.exit_step();
  }
  std::u16string output() const { return platform.text_of(units::编辑框2); }

  NullPlatform platform;
  ObservedForm observed_form;
  Runtime runtime{platform, observed_form.form()};
};

TEST_F(RuntimeTest, StartsHiddenRaisesCreatedThenShowsWithFocusInInputBox) {
  platform.screen = {1920, 1080};
  platform.request_close();
  run();
  EXPECT_TRUE(observed.created_while_hidden);
  EXPECT_TRUE(observed.created_with_controls);
  EXPECT_EQ(platform.outer_rect(), (Rect{{823, 452}, {274, 176}}));
  const std::vector<std::string> expected{"create_window", "show_window", "run_message_loop",
                                          "destroy_window", "post_quit 0"};
  EXPECT_EQ(platform.calls(), expected);
}

TEST_F(RuntimeTest, FocusStandsInInputBoxOnceShown) {
  runtime.start_runtime();
  runtime.load_window(units::窗口);
  EXPECT_TRUE(platform.window_visible());
  EXPECT_EQ(platform.focused_control(), units::编辑框1);
}

TEST_F(RuntimeTest, ClicksRunTheirCommandsThroughTheDispatch) {
  platform.type_into(units::编辑框1, u"abc");
  platform.click(units::按钮2);
  platform.post([this] { EXPECT_EQ(output(), u"bdf"); });
  platform.click(units::按钮1);
  platform.post([this] { EXPECT_EQ(output(), u"```"); });
  platform.request_close();
  EXPECT_EQ(run(), 0);
  // Each write raises the output box's content-changed event exactly once.
  EXPECT_EQ(observed.output_changes, 2);
}

TEST_F(RuntimeTest, EventsReachNoHandlerWhileDeliveryIsOff) {
  EXPECT_FALSE(runtime.raise_event(units::窗口, std::nullopt, EventKind::Created));
  platform.while_creating = [this] {
    EXPECT_FALSE(runtime.raise_event(units::窗口, std::nullopt, EventKind::Created));
  };
  platform.request_close();
  run();
  EXPECT_EQ(observed.events.front(), "created");
  EXPECT_EQ(std::count(observed.events.begin(), observed.events.end(), "created"), 1);
  EXPECT_FALSE(runtime.raise_event(units::窗口, std::nullopt, EventKind::Created));
}

TEST_F(RuntimeTest, UnboundEventsReportThatNoHandlerRan) {
  runtime.start_runtime();
  runtime.load_window(units::窗口);
  EXPECT_FALSE(runtime.raise_event(units::窗口, units::编辑框1, EventKind::ContentChanged));
  EXPECT_FALSE(runtime.raise_event(units::窗口, std::nullopt, EventKind::CloseRequest));
  EXPECT_TRUE(runtime.raise_event(units::窗口, units::编辑框2, EventKind::ContentChanged));
}

TEST_F(RuntimeTest, CloseEndsWithZeroAndRunsTheExitHookOnceAfterTheLoop) {
  platform.request_close();
  EXPECT_EQ(run(), 0);
  EXPECT_EQ(observed.exit_hook_runs, 1);
  EXPECT_EQ(observed.events.back(), "exit hook");
  EXPECT_FALSE(platform.window_created());
}

TEST_F(RuntimeTest, EscClosesLikeTheCloseBoxButShiftEscDoesNot) {
  platform.press({.key = Key::Escape, .shift = true});
  platform.post([this] { EXPECT_TRUE(platform.window_created()); });
  platform.press({.key = Key::Escape});
  EXPECT_EQ(run(), 0);
  EXPECT_FALSE(platform.window_created());
  EXPECT_EQ(observed.exit_hook_runs, 1);
}

TEST_F(RuntimeTest, QuitFromElsewhereEndsWithItsCode) {
  platform.post([this] { platform.post_quit(143); });
  EXPECT_EQ(run(), 143);
  EXPECT_EQ(observed.exit_hook_runs, 1);
}

TEST_F(RuntimeTest, TabAndShiftTabWalkTheFocusOrderAndEnterOrF1DoNothing) {
  runtime.start_runtime();
  runtime.load_window(units::窗口);
  const std::vector<UnitId> forward{units::编辑框2, units::按钮1, units::按钮2, units::编辑框1};
  for (const UnitId expected : forward) {
    EXPECT_TRUE(runtime.on_key_press({.key = Key::Tab}));
    EXPECT_EQ(platform.focused_control(), expected);
  }
  EXPECT_TRUE(runtime.on_key_press({.key = Key::Tab, .shift = true}));
  EXPECT_EQ(platform.focused_control(), units::按钮2);
  EXPECT_FALSE(runtime.on_key_press({.key = Key::Enter}));
  EXPECT_TRUE(runtime.on_key_press({.key = Key::F1}));
  EXPECT_EQ(platform.focused_control(), units::按钮2);
  EXPECT_EQ(output(), u"");
}

TEST_F(RuntimeTest, ReactivationGivesTheFocusBackToWhereItWas) {
  runtime.start_runtime();
  runtime.load_window(units::窗口);
  runtime.on_key_press({.key = Key::Tab});
  runtime.on_key_press({.key = Key::Tab});
  runtime.on_window_deactivated(units::按钮1);
  platform.focus_control(units::编辑框2);  // something else moved it meanwhile
  runtime.on_window_activated();
  EXPECT_EQ(platform.focused_control(), units::按钮1);
  // The remembered control is forgotten once used.
  runtime.on_window_activated();
  EXPECT_EQ(platform.focused_control(), units::编辑框1);
}

TEST_F(RuntimeTest, RunProgramRunsEndToEndOnTheMainForm) {
  NullPlatform own;
  own.type_into(units::编辑框1, u"abc");
  own.click(units::按钮2);
  own.request_close();
  EXPECT_EQ(run_application(own), 0);
  EXPECT_EQ(own.text_of(units::编辑框2), u"bdf");
  EXPECT_FALSE(own.window_created());
}

// A text allocator that fails every request once armed.
class FailingAllocator final : public TextAllocator {
 public:
  void* try_allocate(std::size_t size) override { return armed ? nullptr : std::malloc(size); }
  void release(void* block) override { std::free(block); }
  bool armed = false;
};

using RuntimeDeathTest = RuntimeTest;

TEST_F(RuntimeDeathTest, AllocationFailureInACommandEndsWithMinusOneAndKeepsTheOutput) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(
      {
        static FailingAllocator allocator;
        set_text_allocator(&allocator);
        platform.type_into(units::编辑框2, u"before");
        platform.type_into(units::编辑框1, u"abc");
        platform.post([] { allocator.armed = true; });
        platform.click(units::按钮2);
        platform.before_process_ends = [this] {
          const std::u16string shown = output();
          std::fprintf(stderr, "output=%s hooks=%d message=%zu\n",
                       std::string(shown.begin(), shown.end()).c_str(), observed.exit_hook_runs,
                       platform.fatal_message().size());
          // Once the message is up, clicks reach no command.
          EXPECT_FALSE(runtime.raise_event(units::窗口, units::按钮2, EventKind::Clicked));
        };
        run();
      },
      ::testing::ExitedWithCode(255), "output=before hooks=0 message=[1-9]");
}

TEST_F(RuntimeDeathTest, UnknownWindowsAndControlsAreFatal) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  runtime.start_runtime();
  EXPECT_EXIT(runtime.focus_control(units::窗口, units::编辑框1), ::testing::ExitedWithCode(255),
              "");
  runtime.load_window(units::窗口);
  EXPECT_EXIT(runtime.read_control_text(units::窗口, UnitId{0x1234}),
              ::testing::ExitedWithCode(255), "");
  EXPECT_EXIT(runtime.read_control_text(UnitId{0x52010002}, units::编辑框1),
              ::testing::ExitedWithCode(255), "");
  EXPECT_EXIT(runtime.raise_event(units::窗口, UnitId{0x1234}, EventKind::Clicked),
              ::testing::ExitedWithCode(255), "");
}

TEST_F(RuntimeDeathTest, AWindowTheSystemRefusesIsFatalWithoutTheExitHook) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  platform.refuse_window = true;
  platform.before_process_ends = [] {
    std::fprintf(stderr, "hooks=%d\n", observed.exit_hook_runs);
  };
  EXPECT_EXIT(run(), ::testing::ExitedWithCode(255), "hooks=0");
}

}  // namespace
}  // namespace shiftpad
