// XmlLite (xmllite.dll, part of Windows) behind the XML reader interface. mingw has
// its header but no import library, so CreateXmlReader is bound from the system folder.
#include <windows.h>
#include <objidl.h>
#include <algorithm>
#include <cstring>
#include <xmllite.h>

#include "doc/xml_pull.h"
#include "ports/win/system_library.h"

namespace gw {
namespace {

using CreateReaderFn = HRESULT(WINAPI*)(REFIID, void**, IMalloc*);

CreateReaderFn createXmlReader() {
    static const CreateReaderFn fn = [] {
        HMODULE lib = syslib::systemLibrary("xmllite.dll");
        FARPROC address = lib ? GetProcAddress(lib, "CreateXmlReader") : nullptr;
        return reinterpret_cast<CreateReaderFn>(reinterpret_cast<void*>(address));
    }();
    return fn;
}

std::string utf8(const WCHAR* s, UINT length) {
    if (!s || length == 0) return std::string();
    const int n = WideCharToMultiByte(CP_UTF8, 0, s, int(length), nullptr, 0, nullptr, nullptr);
    std::string out(size_t(n > 0 ? n : 0), '\0');
    if (n > 0) WideCharToMultiByte(CP_UTF8, 0, s, int(length), &out[0], n, nullptr, nullptr);
    return out;
}

// The document's bytes as the stream XmlLite reads; lives on the reader's object.
class MemoryStream final : public ISequentialStream {
public:
    explicit MemoryStream(const std::string& bytes) : bytes_(bytes) {}
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (iid == __uuidof(IUnknown) || iid == __uuidof(ISequentialStream)) {
            *out = static_cast<ISequentialStream*>(this);
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    // The reader owns the stream; XmlLite's references end before it does.
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE Read(void* into, ULONG wanted, ULONG* got) override {
        const size_t n = std::min<size_t>(wanted, bytes_.size() - at_);
        if (n) memcpy(into, bytes_.data() + at_, n);
        at_ += n;
        if (got) *got = ULONG(n);
        return n < wanted ? S_FALSE : S_OK;
    }
    HRESULT STDMETHODCALLTYPE Write(const void*, ULONG, ULONG*) override { return STG_E_ACCESSDENIED; }

private:
    const std::string& bytes_;
    size_t at_ = 0;
};

class XmlLiteReader final : public XmlPullReader {
public:
    explicit XmlLiteReader(const std::string& bytes) : stream_(bytes) {
        CreateReaderFn create = createXmlReader();
        if (!create || FAILED(create(__uuidof(IXmlReader), reinterpret_cast<void**>(&reader_), nullptr))) return;
        // A document type is an error: no entity is declared, expanded or fetched.
        reader_->SetProperty(XmlReaderProperty_DtdProcessing, DtdProcessing_Prohibit);
        reader_->SetProperty(XmlReaderProperty_XmlResolver, 0);
        // As deep as libxml2 goes by default; no puzzle comes near.
        reader_->SetProperty(XmlReaderProperty_MaxElementDepth, 256);
        if (FAILED(reader_->SetInput(static_cast<ISequentialStream*>(&stream_)))) release();
    }
    ~XmlLiteReader() override { release(); }
    bool ok() const { return reader_ != nullptr; }

    XmlNode next() override {
        if (endIsDue()) return ended();
        for (;;) {
            XmlNodeType type = XmlNodeType_None;
            const HRESULT hr = failed_ ? E_FAIL : reader_->Read(&type);
            if (hr == S_FALSE) return XmlNode::Done;
            if (hr != S_OK) return fail();
            switch (type) {
                case XmlNodeType_Element:
                    readNames();
                    readAttributes();
                    return started(reader_->IsEmptyElement() != FALSE);
                case XmlNodeType_EndElement:
                    readNames();
                    return ended();
                case XmlNodeType_Text:
                case XmlNodeType_CDATA:
                case XmlNodeType_Whitespace:
                    text_ = value();
                    return textRead();
                case XmlNodeType_DocumentType:
                    return fail();
                default:
                    continue;
            }
        }
    }

private:
    MemoryStream stream_;
    IXmlReader* reader_ = nullptr;
    bool failed_ = false;

    void release() {
        if (reader_) reader_->Release();
        reader_ = nullptr;
    }
    XmlNode fail() {
        UINT line = 0;
        if (!failed_ && SUCCEEDED(reader_->GetLineNumber(&line))) errorLine_ = int(line);
        failed_ = true;
        return XmlNode::Error;
    }
    std::string value() {
        const WCHAR* s = nullptr;
        UINT n = 0;
        return SUCCEEDED(reader_->GetValue(&s, &n)) ? utf8(s, n) : std::string();
    }
    void readNames() {
        const WCHAR* s = nullptr;
        UINT n = 0;
        name_ = SUCCEEDED(reader_->GetLocalName(&s, &n)) ? utf8(s, n) : std::string();
        namespace_ = SUCCEEDED(reader_->GetNamespaceUri(&s, &n)) ? utf8(s, n) : std::string();
    }
    void readAttributes() {
        attributes_.clear();
        for (HRESULT hr = reader_->MoveToFirstAttribute(); hr == S_OK; hr = reader_->MoveToNextAttribute()) {
            if (reader_->IsDefault()) continue;
            const WCHAR* s = nullptr;
            UINT n = 0;
            // Namespace declarations and prefixed attributes have a namespace.
            if (SUCCEEDED(reader_->GetNamespaceUri(&s, &n)) && n > 0) continue;
            if (FAILED(reader_->GetLocalName(&s, &n))) continue;
            std::string key = utf8(s, n);
            attributes_.emplace_back(std::move(key), value());
        }
        reader_->MoveToElement();
    }
};

}  // namespace

std::unique_ptr<XmlPullReader> openXmlReader(const std::string& bytes) {
    auto reader = std::make_unique<XmlLiteReader>(bytes);
    if (!reader->ok()) return nullptr;
    return reader;
}

}  // namespace gw
