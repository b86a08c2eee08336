#pragma once

#include <QString>

class OilInfo;

// A fuel grade's name and default price as their editor shows and takes them. The name is free
// text ("0#", "-10#" and "Super 98" alike), trimmed when saved; the price is an amount, and a
// price left as it was shown keeps its stored value rather than its rounded text.
class OilMarkForm
{
public:
    static constexpr int kMaxNameLength = 20;
    // The amount entry limit of the price field.
    static constexpr int kMaxPriceLength = 8;

    explicit OilMarkForm(const OilInfo& grade);

    QString nameText;
    QString priceText;

    // Whether a typed change keeps the name within kMaxNameLength; deletions always do.
    static bool acceptsName(const QString& currentText, const QString& replacement);

    // Why the values cannot be saved, checked in this order: no price, no name, a price below
    // 0.01; the message shown to the user, empty when they can be saved.
    QString refusal() const;

    // Puts the name and price into the grade and writes the grade list. False when refused or
    // when the list could not be written, with the grade as it was and the reason in *error.
    bool save(OilInfo& grade, QString* error) const;

private:
    double price() const;

    QString m_shownPrice;
    float m_price;
};
