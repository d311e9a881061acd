#pragma once
// XML written into a string, one element a line, indented by one space a level, as Qt's
// stream writer lays it out with auto-formatting. Written here because Qt's and libxml2's
// writers spend thousands of instructions on each element, which made writing a year of
// rows cost more than reading the book and checking the file together; the schema check
// that follows reads every byte again, so whatever this writes is checked.
//
//   QString out;
//   XmlText xml(out);
//   xml.start(QLatin1String("Wiersz"), {{QLatin1String("nr"), u"1"}});
//   xml.element(QLatin1String("Nazwa"), name);  // escaped
//   xml.end(QLatin1String("Wiersz"));            // "\n<Wiersz nr=\"1\">\n <Nazwa>…</Nazwa>\n</Wiersz>"

#include <QString>
#include <QStringView>

#include <initializer_list>
#include <utility>

class XmlText {
public:
    using Attributes = std::initializer_list<std::pair<QLatin1String, QStringView>>;

    explicit XmlText(QString &out) : out_(out) {}

    // "<name attributes>" on a new line; what follows is one level deeper.
    void start(QLatin1String name, Attributes attributes = {});
    // "</name>" on a new line, a level up.
    void end(QLatin1String name);
    // "<name attributes>text</name>" on a new line.
    void element(QLatin1String name, QStringView text, Attributes attributes = {});

    // A character XML cannot hold (a control character, U+FFFE, U+FFFF) was left out.
    bool leftOutCharacters() const { return leftOut_; }

private:
    void newLine();
    void open(QLatin1String name, Attributes attributes);
    void escaped(QStringView text, bool inAttribute);

    QString &out_;
    int depth_ = 0;
    bool leftOut_ = false;
};
