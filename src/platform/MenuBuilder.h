#pragma once
// Menus and toolbars built from the resource tables, each item a CCommandAction.
#include <QMenuBar>
#include <QToolBar>

#include "platform/CommandTable.h"
#include "platform/ResourceTables.h"

namespace quenk {

// Replaces the contents of bar by menu res. Item texts may come from a language bundle under
// "menu.<popup key>" and "menu.item.<id>". The old menus are deleted once control returns to
// the event loop, so a menu command may switch menus.
void BuildMenuBar(QMenuBar& bar, const CMenuRes& res, CCommandTable& table);

// The item at a position of a popup (separators count), null when there is none or it is
// not a command item.
CCommandAction* MenuItemAt(const QMenuBar& bar, int nPopup, int nItem);

// A toolbar whose buttons are addressed by position, separators included.
class CCommandToolBar : public QToolBar {
    Q_OBJECT
public:
    CCommandToolBar(const QString& strTitle, CCommandTable& table, QWidget* pParent);

    // Replaces every button by those of res.
    void Load(const std::vector<CToolButtonRes>& res);
    // Appends one button with an image.
    CCommandAction* AddButton(unsigned nId, const QIcon& icon);
    void RemoveButtonsFrom(int nIndex);

    int ButtonCount() const { return int(actions().size()); }
    // The command id of a button; 0 for a separator or a position past the end.
    unsigned ButtonId(int nIndex) const;
    void SetButtonId(int nIndex, unsigned nId);
    CCommandAction* Button(int nIndex) const;

private:
    CCommandTable& m_table;
};

}  // namespace quenk
