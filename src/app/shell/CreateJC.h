#pragma once
// The create-crossword dialog: width, height and the number slots left of and above the
// grid, for a new puzzle (from the stored defaults) or for resizing the open one.
#include <QDialog>

#include "model/Crossword.h"
#include "settings/DialogDefaults.h"

class QPushButton;

namespace quenk {

class CNumberEdit;

class CCreateJC : public QDialog {
    Q_OBJECT
public:
    // A new puzzle: starts from "DefSize".
    CCreateJC(ISettingsStore& store, QWidget* pParent);
    // Resizing: starts from the puzzle's shape.
    CCreateJC(const CCrossword& crossword, ISettingsStore& store, QWidget* pParent);

    // After OK: the accepted values.
    const CDefaultSize& Size() const { return m_size; }

    void accept() override;

private:
    CCreateJC(const CDefaultSize& initial, ISettingsStore& store, QWidget* pParent);
    // Reads the four edits; false (after the range message) when one is out of range.
    bool Exchange();
    void OnSaveDefaults();

    ISettingsStore& m_store;
    CDefaultSize m_size;
    CNumberEdit* m_pWidth;
    CNumberEdit* m_pHeight;
    CNumberEdit* m_pLeftDepth;
    CNumberEdit* m_pTopDepth;
};

}  // namespace quenk
