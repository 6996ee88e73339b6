#pragma once

struct Interaction;
struct TagPalette;
class QWidget;
class SourceEditor;

// Makes the element buttons live that build from the palette's own controls (Command2,
// Command3, Command5, Command36, Command23) or from one-line prompts (Command27 and
// Command11 to Command19), and enables them. Counters and lists are read at the click;
// the prompts come one after another, titled "Velquin" and owned by promptParent, and an
// empty answer or Cancel ends the command with nothing inserted. Every one of these
// buttons leaves the focus in the editor. The interaction is copied; the editor and
// promptParent must outlive the buttons (the main window owns all three).
void ConnectElementButtons(const TagPalette &palette, SourceEditor &editor, const Interaction &interaction,
                           QWidget *promptParent);
