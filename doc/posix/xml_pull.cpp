// libxml2's pull reader behind the XML reader interface.
#include <libxml/xmlreader.h>

#include "doc/xml_pull.h"

namespace gw {
namespace {

std::string str(const xmlChar* s) { return s ? std::string(reinterpret_cast<const char*>(s)) : std::string(); }

class LibXmlReader final : public XmlPullReader {
public:
    explicit LibXmlReader(const std::string& bytes) {
        // No network, no external DTD, no entity substitution; errors are kept, not printed.
        reader_ = xmlReaderForMemory(bytes.data(), int(bytes.size()), nullptr, nullptr,
                                     XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING);
        if (reader_) xmlTextReaderSetStructuredErrorHandler(reader_, &LibXmlReader::onError, this);
    }
    ~LibXmlReader() override {
        if (reader_) xmlFreeTextReader(reader_);
    }
    bool ok() const { return reader_ != nullptr; }

    XmlNode next() override {
        if (endIsDue()) return ended();
        for (;;) {
            const int r = failed_ ? -1 : xmlTextReaderRead(reader_);
            if (r == 0) return XmlNode::Done;
            if (r < 0 || failed_) return fail();
            switch (xmlTextReaderNodeType(reader_)) {
                case XML_READER_TYPE_ELEMENT:
                    readNames();
                    readAttributes();
                    return started(xmlTextReaderIsEmptyElement(reader_) == 1);
                case XML_READER_TYPE_END_ELEMENT:
                    readNames();
                    return ended();
                case XML_READER_TYPE_TEXT:
                case XML_READER_TYPE_CDATA:
                case XML_READER_TYPE_WHITESPACE:
                case XML_READER_TYPE_SIGNIFICANT_WHITESPACE:
                    text_ = str(xmlTextReaderConstValue(reader_));
                    return textRead();
                case XML_READER_TYPE_DOCUMENT_TYPE:
                case XML_READER_TYPE_ENTITY_REFERENCE:
                    // A document type may declare entities; none is wanted.
                    return fail();
                default:
                    continue;  // comments, processing instructions
            }
        }
    }

private:
    xmlTextReaderPtr reader_ = nullptr;
    bool failed_ = false;

    static void onError(void* self, xmlErrorPtr error) {
        auto* me = static_cast<LibXmlReader*>(self);
        if (!me->failed_ && error && error->level >= XML_ERR_ERROR) {
            me->failed_ = true;
            me->errorLine_ = error->line;
        }
    }
    XmlNode fail() {
        if (!errorLine_) errorLine_ = xmlTextReaderGetParserLineNumber(reader_);
        failed_ = true;
        return XmlNode::Error;
    }
    void readNames() {
        name_ = str(xmlTextReaderConstLocalName(reader_));
        namespace_ = str(xmlTextReaderConstNamespaceUri(reader_));
    }
    void readAttributes() {
        attributes_.clear();
        while (xmlTextReaderMoveToNextAttribute(reader_) == 1) {
            if (xmlTextReaderIsNamespaceDecl(reader_) == 1 || xmlTextReaderConstNamespaceUri(reader_)) continue;
            attributes_.emplace_back(str(xmlTextReaderConstLocalName(reader_)), str(xmlTextReaderConstValue(reader_)));
        }
        xmlTextReaderMoveToElement(reader_);
    }
};

}  // namespace

std::unique_ptr<XmlPullReader> openXmlReader(const std::string& bytes) {
    auto reader = std::make_unique<LibXmlReader>(bytes);
    if (!reader->ok()) return nullptr;
    return reader;
}

}  // namespace gw
