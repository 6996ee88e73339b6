#pragma once

class QWidget;

// The palette's tooltips are tag names such as "<b>", which a plain tooltip would take for
// markup and show empty or formatted. This shows the widget's toolTip() text literally;
// the property itself keeps the text as stored.
void showToolTipLiterally(QWidget *widget);
