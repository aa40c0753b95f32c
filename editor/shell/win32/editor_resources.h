// The numbers of the editor's own pictures in brindel.rc; the resource
// script includes this file too, so it holds only #defines.
#pragma once

// The speed buttons' glyphs, in the order of the speed panel.
#define ORV_EDITOR_SPEED_FIRST 100
#define ORV_EDITOR_SPEED_COUNT 16
// The quick wizard buttons' pictures: kind k is picture 200 + k
// (wizard_pictures.rc).
#define ORV_EDITOR_WIZARD_BASE 200

#ifndef RC_INVOKED
namespace orv::editor::EditorResource {
constexpr int SpeedFirst = ORV_EDITOR_SPEED_FIRST;
constexpr int SpeedCount = ORV_EDITOR_SPEED_COUNT;
constexpr int WizardBase = ORV_EDITOR_WIZARD_BASE;
}  // namespace orv::editor::EditorResource
#endif
