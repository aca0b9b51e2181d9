#pragma once

#include <QString>
#include <QUrl>

// The three pages the program opens. They ship with it in its folder's
// pages/ and work without a network.
namespace WebPages {

// How to use the trainer: the banner and the picture beside the menu.
QUrl HomePage();
// Study advice: the menu's 学车交流.
QUrl ForumPage();
// Further resources: two minutes into a mode, and when the program closes.
QUrl SiblingPage();

// The home page as the window's caption names it.
const QString kHomeShortName = QStringLiteral("pages/index.html");

} // namespace WebPages
