#pragma once
// The languages of the texts nav/ writes: the same two as the interface's
// (toolkit::Language), here without Qt.

namespace nav {

enum class Language { Italian, English };

}  // namespace nav
