#pragma once

namespace triangle {

// Makes a screen reader get a fitting field's tooltip (the whole triangle of its row) in
// words, as the field's spoken tooltip says it, while the tooltip shows its symbols; any
// other tooltip is read as shown. The toolkit keeps the tooltip's label to itself, so this
// is an accessibility factory for it, installed once for all.
void SpeakFieldToolTipsInWords();

} // namespace triangle
