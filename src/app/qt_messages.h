#pragma once

namespace ravelbook {

// Without a desktop session Qt notes that it has no runtime folder; neither
// the commands nor a window on the offscreen platform ever need one, and
// standard error is for the user's messages. Lets every other message of Qt's through.
void quietenQtNotes();

} // namespace ravelbook
