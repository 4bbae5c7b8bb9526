// Command routing: order along the chain, update state and disabled commands.
#include "platform/command_table.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vyr {
namespace {

struct Target : CommandTarget {
  explicit Target(std::string name, std::vector<std::string>* log) : name(std::move(name)), log(log) {}
  void Handle(CommandId id) {
    Commands().On(id, [this, id] { log->push_back(name + ":" + std::to_string(id)); });
  }
  std::string name;
  std::vector<std::string>* log;
};

class CommandRouterTest : public ::testing::Test {
 protected:
  void SetUp() override {
    router.SetTarget(CommandRouter::Slot::View, &view);
    router.SetTarget(CommandRouter::Slot::Document, &document);
    router.SetTarget(CommandRouter::Slot::Frame, &frame);
    router.SetTarget(CommandRouter::Slot::Application, &app);
  }
  std::vector<std::string> log;
  Target view{"view", &log}, document{"document", &log}, frame{"frame", &log}, app{"app", &log};
  CommandRouter router;
};

TEST_F(CommandRouterTest, TheFirstHandlerAlongTheChainRuns) {
  app.Handle(1);
  document.Handle(1);
  frame.Handle(2);
  app.Handle(3);
  view.Handle(4);
  document.Handle(4);
  for (CommandId id : {1, 2, 3, 4}) EXPECT_TRUE(router.Execute(id));
  EXPECT_EQ(log, (std::vector<std::string>{"document:1", "frame:2", "app:3", "view:4"}));
  EXPECT_FALSE(router.Execute(5));
}

TEST_F(CommandRouterTest, StateFollowsUpdateHandlersAndHandlers) {
  document.Handle(10);
  document.Handle(11);
  document.Handle(12);
  bool enabled = false;
  // The view's update handler decides even though the document handles the command.
  view.Commands().OnUpdate(10, [&](CommandState& s) { s.Enable(enabled); });
  // Only a check mark: enablement still comes from the handler's presence.
  document.Commands().OnUpdate(11, [](CommandState& s) { s.SetCheck(true); });
  // Text only, for a command nobody handles: disabled.
  frame.Commands().OnUpdate(13, [](CommandState& s) { s.SetText("Set Z Value 1\tCtrl+1"); });

  struct Row {
    CommandId id;
    bool enabled;
    bool checked;
    const char* text;
  } rows[] = {
      {10, false, false, nullptr}, {11, true, true, nullptr},   {12, true, false, nullptr},
      {13, false, false, "Set Z Value 1\tCtrl+1"},              {14, false, false, nullptr},
  };
  for (const Row& row : rows) {
    CommandState state = router.QueryState(row.id);
    EXPECT_EQ(state.enabled, row.enabled) << row.id;
    EXPECT_EQ(state.checked, row.checked) << row.id;
    EXPECT_EQ(state.text.has_value(), row.text != nullptr) << row.id;
    if (row.text && state.text) {
      EXPECT_EQ(*state.text, row.text);
    }
  }
  enabled = true;
  EXPECT_TRUE(router.QueryState(10).enabled);
}

TEST_F(CommandRouterTest, DisabledCommandsDoNotRun) {
  document.Handle(20);
  bool enabled = false;
  document.Commands().OnUpdate(20, [&](CommandState& s) { s.Enable(enabled); });
  EXPECT_FALSE(router.Execute(20));
  EXPECT_TRUE(log.empty());
  enabled = true;
  EXPECT_TRUE(router.Execute(20));
  EXPECT_EQ(log.size(), 1u);
}

TEST_F(CommandRouterTest, StatusPanesKeepTheirStateWithoutHandlers) {
  view.Commands().OnUpdate(32803, [](CommandState& s) { s.SetText("Mouse = 1, 2"); });
  CommandState pane = router.QueryState(32803, /*disableIfNoHandler=*/false);
  EXPECT_TRUE(pane.enabled);
  EXPECT_EQ(pane.text.value_or(""), "Mouse = 1, 2");
  EXPECT_TRUE(router.QueryState(32799, false).enabled);
  EXPECT_FALSE(router.QueryState(32799, false).text.has_value());
}

TEST_F(CommandRouterTest, RangesAndEmptySlots) {
  app.Commands().OnRange(100, 109, [&](CommandId id) { log.push_back("range:" + std::to_string(id)); });
  app.Commands().OnUpdateRange(100, 109, [](CommandId id, CommandState& s) { s.Enable(id % 2 == 0); });
  router.SetTarget(CommandRouter::Slot::View, nullptr);
  EXPECT_TRUE(router.Execute(104));
  EXPECT_FALSE(router.Execute(105));
  EXPECT_FALSE(router.Execute(110));
  EXPECT_EQ(log, std::vector<std::string>{"range:104"});
  // A single entry wins over a range in the same table.
  app.Handle(106);
  EXPECT_TRUE(router.Execute(106));
  EXPECT_EQ(log.back(), "app:106");
}

TEST_F(CommandRouterTest, AHandlerMayReplaceItself) {
  document.Commands().On(30, [&] {
    document.Commands().On(30, [&] { log.push_back("second"); });
    log.push_back("first");
  });
  router.Execute(30);
  router.Execute(30);
  EXPECT_EQ(log, (std::vector<std::string>{"first", "second"}));
}

}  // namespace
}  // namespace vyr
