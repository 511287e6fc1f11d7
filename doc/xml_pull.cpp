// What both platform readers share: attributes, depth and the End an empty element
// is given so that every Start has one.
#include "doc/xml_pull.h"

namespace gw {

std::string XmlPullReader::attribute(const char* name) const {
    for (const auto& [key, value] : attributes_)
        if (key == name) return value;
    return std::string();
}

XmlNode XmlPullReader::started(bool empty) {
    depth_ = open_++;
    pendingEnd_ = empty;
    text_.clear();
    return XmlNode::Start;
}

XmlNode XmlPullReader::ended() {
    depth_ = --open_;
    pendingEnd_ = false;
    attributes_.clear();
    return XmlNode::End;
}

XmlNode XmlPullReader::textRead() {
    depth_ = open_;
    return XmlNode::Text;
}

}  // namespace gw
