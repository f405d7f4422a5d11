// The text form of a page setup: what the game keeps of a confirmed page-setup dialog and hands
// back unchanged. It names the paper, the orientation, the margins and their units, so that a
// layout written and read again is the same layout and gives the same text.
#pragma once

#include <QPageLayout>
#include <optional>
#include <string>

std::string pageLayoutToText(const QPageLayout& layout);
// The layout of a text that pageLayoutToText wrote; nothing for an empty or unreadable text.
std::optional<QPageLayout> pageLayoutFromText(const std::string& text);
