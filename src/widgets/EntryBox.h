#pragma once

#include <QLineEdit>

#include <functional>
#include <optional>

class QKeyEvent;

namespace kelvane {

// What a typed character does in a box with a key rule: the character to put in
// (itself, or another in its place), or nothing when the box refuses it. `remaining`
// is the box's text as it stands once a selection has gone, since the key replaces
// the selection.
using EntryKeyRule = std::function<std::optional<char32_t>(char32_t key, const QString& remaining)>;

// The single-line entry box of every page. It keeps no length limit, so a long
// pasted text is kept and read whole. All of a box's key handling lives here, in the
// box's own key handler:
// - Alt with a key types nothing: it is an access key, which the menu or button it
//   belongs to takes first, or nothing at all. (Alt with Ctrl is AltGr on Windows
//   and types as usual.)
// - The desktop's editing keys (select all, copy, cut, paste, undo, redo, in all their
//   forms such as Shift+Insert) work as in any entry box; pasted text reaches the
//   change handler exactly as the context menu's Paste does.
// - With a key rule, every other typed character goes through it, and Enter moves the
//   focus on to the next control instead of going into the box.
class EntryBox final : public QLineEdit {
    Q_OBJECT
public:
    explicit EntryBox(QWidget* parent, EntryKeyRule rule = {});

    // The text a typed key would be put into: the box's text without its selection.
    QString textWithoutSelection() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    EntryKeyRule rule_;
};

// Whether a key press is one of the desktop's editing keys for an entry box.
bool isEditingKey(const QKeyEvent& event);

// Whether a key press is Alt with a printable character, which in an entry box types
// nothing.
bool isAltCharacter(const QKeyEvent& event);

} // namespace kelvane
