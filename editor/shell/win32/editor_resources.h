// The numbers of the editor's pictures in brindel.rc; a resource script
// includes this file too, so it holds only #defines.
#pragma once

// The program's icon comes first: the system shows the lowest-numbered one.
#define ORV_EDITOR_MAIN_ICON 1
#define ORV_EDITOR_MENU_ICON 2
#define ORV_EDITOR_RECORD_ICON 3
// The speed buttons' glyphs, in the order of the speed panel.
#define ORV_EDITOR_SPEED_FIRST 100
#define ORV_EDITOR_SPEED_COUNT 16

#ifndef RC_INVOKED
namespace orv::EditorResource {
constexpr int MainIcon = ORV_EDITOR_MAIN_ICON;
constexpr int MenuIcon = ORV_EDITOR_MENU_ICON;
constexpr int RecordIcon = ORV_EDITOR_RECORD_ICON;
constexpr int SpeedFirst = ORV_EDITOR_SPEED_FIRST;
constexpr int SpeedCount = ORV_EDITOR_SPEED_COUNT;
}  // namespace orv::EditorResource
#endif
