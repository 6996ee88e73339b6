#pragma once

struct TagPalette;
class SourceEditor;

// Makes the customise tab's buttons live and enables them: Command25(i) wraps the
// selection in Text1(i) and Text3(i) and leaves the caret after the closing text,
// Command26 inserts Text4; both read the boxes at the click and focus the editor. The
// captions already follow the boxes from BuildTagPalette on. The editor must outlive the
// buttons.
void ConnectCustomButtons(const TagPalette &palette, SourceEditor &editor);
