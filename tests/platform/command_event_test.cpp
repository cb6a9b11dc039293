#include "platform/command_event.h"
#include "support/command_recorder.h"

#include <gtest/gtest.h>

using Cmd = CommandRecorder::Command;

TEST(CommandEvent, PostedCommandsWaitForTheQueueAndKeepTheirOrder)
{
    CommandRecorder window;
    PostCommand(&window, 100, 0);
    PostCommand(&window, 1000, 125);
    EXPECT_TRUE(window.commands.empty());
    EXPECT_TRUE(SendCommand(&window, 5, 2)); // a sent command is handled at once
    EXPECT_EQ(window.commands, (std::vector<Cmd>{{5, 2}}));
    DrainEvents();
    EXPECT_EQ(window.commands, (std::vector<Cmd>{{5, 2}, {100, 0}, {1000, 125}}));

    PostCommand(nullptr, 1, 1); // no window: nothing happens
    EXPECT_FALSE(SendCommand(nullptr, 1, 1));
    PostMediaNotice(&window, MediaNoticeEvent::kSuccessful, 3);
    SendMediaNotice(&window, 0, 0);
    EXPECT_EQ(window.noticeFlags, std::vector<int>{0});
    DrainEvents();
    EXPECT_EQ(window.noticeFlags, (std::vector<int>{0, MediaNoticeEvent::kSuccessful}));
}

TEST(CommandEvent, QueuedCommandsDieWithTheirWindow)
{
    auto* window = new CommandRecorder;
    PostCommand(window, 1000, 1);
    delete window;
    DrainEvents(); // must not deliver to the deleted window
    SUCCEED();
}
