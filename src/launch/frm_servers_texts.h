#pragma once

#include <QString>
#include <QStringList>
#include <span>

#include "launch/server_browser.h"
#include "ui/language.h"

namespace quorvant {

// The server browser's texts: its controls', its sources', its columns', and what it says of a
// list as it fills.
std::span<const LanguageRow> ServerBrowserTexts();
QStringList SourceNames(Language language);
QStringList ServerColumnNames(Language language);
QStringList PlayerColumnNames(Language language);
QStringList RuleColumnNames(Language language);
QString AskingText(Language language);
QString NoAnswerText(Language language);
QString FavouriteActionText(bool isFavourite, Language language);
QString ProgressText(const BrowserProgress& progress, Language language);

}  // namespace quorvant
