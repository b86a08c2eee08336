#pragma once

#include <QImage>
#include <QList>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <algorithm>
#include <memory>
#include <optional>
#include <poppler-qt6.h>

// The words of a written PDF as a reader sees them, page by page, with their boxes in points
// from the page's top left corner. Tests that use it link PkgConfig::POPPLER_QT6.
class PdfText
{
public:
    struct Word
    {
        QString text;
        QRectF box;
    };
    using Page = QList<Word>;

    // The document's pages; std::nullopt when the file is not a readable PDF.
    static std::optional<QList<Page>> read(
        const QString& path, QString* title = nullptr, QString* creator = nullptr)
    {
        const std::unique_ptr<Poppler::Document> document = Poppler::Document::load(path);
        if (!document || document->isLocked())
            return std::nullopt;
        if (title)
            *title = document->info(QStringLiteral("Title"));
        if (creator)
            *creator = document->info(QStringLiteral("Creator"));
        QList<Page> pages;
        for (int i = 0; i < document->numPages(); ++i) {
            Page words;
            for (const std::unique_ptr<Poppler::TextBox>& box : document->page(i)->textList())
                words.append({ box->text(), box->boundingBox() });
            pages.append(words);
        }
        return pages;
    }

    // What a strict reader complains about while it opens the file and reads every page; empty
    // for a sound PDF.
    static QStringList readerErrors(const QString& path)
    {
        QStringList errors;
        Poppler::setDebugErrorFunction(
            [](const QString& message, const QVariant& closure) {
                static_cast<QStringList*>(closure.value<void*>())->append(message);
            },
            QVariant::fromValue(static_cast<void*>(&errors)));
        const std::unique_ptr<Poppler::Document> document = Poppler::Document::load(path);
        if (!document)
            errors << QStringLiteral("not a PDF");
        for (int i = 0; document && i < document->numPages(); ++i)
            document->page(i)->renderToImage(18, 18);
        Poppler::setDebugErrorFunction([](const QString&, const QVariant&) {}, QVariant());
        return errors;
    }

    // Every box of that word on the page, in reading order.
    static QList<QRectF> boxesOf(const Page& page, const QString& text)
    {
        QList<QRectF> boxes;
        for (const Word& word : page) {
            if (word.text == text)
                boxes.append(word.box);
        }
        return boxes;
    }

    // Whether the word starts at that point: exactly across, and down to what the reader and the
    // drawing may differ by in the font's ascent.
    static bool hasWordAt(const Page& page, const QString& text, const QPointF& topLeft)
    {
        const QList<QRectF> boxes = boxesOf(page, text);
        return std::any_of(boxes.cbegin(), boxes.cend(), [&topLeft](const QRectF& box) {
            return qAbs(box.left() - topLeft.x()) < 1.0 && qAbs(box.top() - topLeft.y()) < 1.5;
        });
    }
};
