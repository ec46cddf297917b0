#pragma once

#include <QString>
#include <array>

// Who makes the program and where its pages are, as the About window shows them.
inline const QString kMakerName = QStringLiteral("The Brindlecut developers");
inline const QString kCopyrightYear = QStringLiteral("2026");
inline const QString kMakerWebsite = QStringLiteral("https://brindlecut.example.org/");

struct ProductLink
{
    QString caption;
    QString address;
};

// The three pages listed under the maker's other offerings.
inline const std::array<ProductLink, 3> kProductLinks = {{
    {QStringLiteral("Brindlecut User's Guide"), kMakerWebsite + QStringLiteral("guide/")},
    {QStringLiteral("Brindlecut Release Notes"), kMakerWebsite + QStringLiteral("releases/")},
    {QStringLiteral("Report a Problem"), kMakerWebsite + QStringLiteral("issues/")},
}};
