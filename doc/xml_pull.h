// A forward-only XML reader over a document held in memory: the platform's own
// parser behind it (XmlLite on Windows, libxml2 elsewhere). Document types are
// refused, so no entity is ever expanded and nothing is fetched.
#pragma once
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace gw {

enum class XmlNode {
    Start,  // an element's start tag (an empty element is followed by its End)
    End,
    Text,   // character data, CDATA and white space, in UTF-8
    Done,   // the document ended well
    Error,  // not well-formed XML, or a document type: see errorLine()
};

// The platform halves fill the fields of the node they read in next().
class XmlPullReader {
public:
    virtual ~XmlPullReader() = default;
    virtual XmlNode next() = 0;
    // Of the element just started (Start) or ended (End).
    const std::string& localName() const { return name_; }
    const std::string& namespaceUri() const { return namespace_; }
    // An attribute without a namespace on the element just started; "" when absent.
    std::string attribute(const char* name) const;
    const std::string& text() const { return text_; }
    // Elements open around the current node (the root's start and end tags are at 0).
    int depth() const { return depth_; }
    // The line the parser stopped at, after Error.
    int errorLine() const { return errorLine_; }

protected:
    std::string name_, namespace_, text_;
    std::vector<std::pair<std::string, std::string>> attributes_;
    int errorLine_ = 0;

    // The halves set the names (and a start tag's attributes, or the text) and
    // return through these, which keep the depth.
    XmlNode started(bool empty);
    XmlNode ended();
    XmlNode textRead();
    // An empty element's End, due before the next node is read.
    bool endIsDue() const { return pendingEnd_; }

private:
    int depth_ = 0;
    int open_ = 0;
    bool pendingEnd_ = false;
};

// A reader over `bytes` (which must outlive it); null when the platform has no parser.
std::unique_ptr<XmlPullReader> openXmlReader(const std::string& bytes);

}  // namespace gw
