#include "platform/foundation/XmlParser.h"

#include <expat.h>

#include <algorithm>
#include <climits>
#include <memory>

#include "platform/foundation/XmlDocumentEncoding.h"

namespace fnd {

namespace {

// Separates namespace, local name and prefix in the names expat reports; no XML name or
// namespace name may hold it.
constexpr char kSeparator = '\x01';

struct Name {
    std::string local, namespaceURI, qualified;
};

// "uri<sep>local<sep>prefix", "uri<sep>local" or "local".
Name splitName(const XML_Char* raw) {
    std::string_view text(raw);
    Name name;
    auto first = text.find(kSeparator);
    if (first == std::string_view::npos) {
        name.local = name.qualified = std::string(text);
        return name;
    }
    name.namespaceURI = std::string(text.substr(0, first));
    auto second = text.find(kSeparator, first + 1);
    name.local = std::string(text.substr(
        first + 1, second == std::string_view::npos ? std::string_view::npos : second - first - 1));
    name.qualified = second == std::string_view::npos
                         ? name.local
                         : std::string(text.substr(second + 1)) + ":" + name.local;
    return name;
}

}  // namespace

// One pass of expat over the document, with the callbacks that forward to the delegate.
struct XmlParser::Run {
    XmlParser& owner;
    XML_Parser expat;

    Run(XmlParser& owner)
        : owner(owner),
          expat(owner.namespaces_ ? XML_ParserCreateNS(nullptr, kSeparator) : XML_ParserCreate(nullptr)) {
        if (!expat) return;
        XML_SetUserData(expat, this);
        if (owner.namespaces_) XML_SetReturnNSTriplet(expat, XML_TRUE);
        XML_SetElementHandler(expat, &Run::start, &Run::end);
        XML_SetCharacterDataHandler(expat, &Run::characters);
        XML_SetParamEntityParsing(expat, XML_PARAM_ENTITY_PARSING_NEVER);
    }
    ~Run() {
        if (expat) XML_ParserFree(expat);
    }

    static Run& of(void* data) { return *static_cast<Run*>(data); }

    // After each event: a delegate that asked to abort stops the parse here.
    void afterEvent() {
        if (owner.abortRequested_ && !owner.aborted_) {
            owner.aborted_ = true;
            XML_StopParser(expat, XML_FALSE);
        }
    }

    static void XMLCALL start(void* data, const XML_Char* rawName, const XML_Char** rawAttributes) {
        Run& run = of(data);
        if (!run.owner.delegate_) return;
        XmlAttributes attributes;
        for (const XML_Char** a = rawAttributes; a[0] && a[1]; a += 2) {
            std::string key = run.owner.namespaces_ ? splitName(a[0]).qualified : std::string(a[0]);
            attributes.emplace(std::move(key), a[1]);
        }
        if (run.owner.namespaces_) {
            Name name = splitName(rawName);
            run.owner.delegate_->didStartElement(run.owner, name.local, name.namespaceURI, name.qualified,
                                                 attributes);
        } else {
            run.owner.delegate_->didStartElement(run.owner, rawName, {}, {}, attributes);
        }
        run.afterEvent();
    }

    static void XMLCALL end(void* data, const XML_Char* rawName) {
        Run& run = of(data);
        if (!run.owner.delegate_) return;
        if (run.owner.namespaces_) {
            Name name = splitName(rawName);
            run.owner.delegate_->didEndElement(run.owner, name.local, name.namespaceURI, name.qualified);
        } else {
            run.owner.delegate_->didEndElement(run.owner, rawName, {}, {});
        }
        run.afterEvent();
    }

    static void XMLCALL characters(void* data, const XML_Char* text, int length) {
        Run& run = of(data);
        if (!run.owner.delegate_) return;
        run.owner.delegate_->foundCharacters(run.owner,
                                             std::string_view(text, static_cast<std::size_t>(length)));
        run.afterEvent();
    }

    bool parse() {
        if (!expat) return fail(XML_ERROR_NO_MEMORY);
        std::optional<std::string> converted = XmlDocumentEncoding::toUTF8(owner.data_);
        const std::string& data = converted ? *converted : owner.data_;
        std::size_t offset = 0;
        do {
            std::size_t chunk = std::min<std::size_t>(data.size() - offset, INT_MAX / 2);
            bool last = offset + chunk == data.size();
            if (XML_Parse(expat, data.data() + offset, static_cast<int>(chunk), last) != XML_STATUS_OK) {
                if (owner.aborted_) return false;
                return fail(XML_GetErrorCode(expat));
            }
            offset += chunk;
        } while (offset < data.size());
        return true;
    }

    bool fail(XML_Error code) {
        XmlParseError error;
        error.code = static_cast<int>(code);
        const XML_LChar* message = XML_ErrorString(code);
        error.message = message ? message : "XML error";
        if (expat) {
            error.line = static_cast<long>(XML_GetCurrentLineNumber(expat));
            error.column = static_cast<long>(XML_GetCurrentColumnNumber(expat));
        }
        owner.error_ = error;
        if (owner.delegate_) owner.delegate_->parseErrorOccurred(owner, error);
        return false;
    }
};

bool XmlParser::parse() {
    abortRequested_ = aborted_ = false;
    error_.reset();
    Run run(*this);
    return run.parse();
}

}  // namespace fnd
