#include "XmlSchema.h"

#include <libxml/parser.h>
#include <libxml/xmlschemas.h>
#include <memory>

namespace zarion::test {
namespace {

void collectError(void* sink, xmlErrorPtr error) {
    auto* errors = static_cast<std::vector<std::string>*>(sink);
    std::string message = error->message ? error->message : "";
    while (!message.empty() && message.back() == '\n')
        message.pop_back();
    errors->push_back("line " + std::to_string(error->line) + ": " + message);
}

template <auto Free> struct Deleter {
    template <typename T> void operator()(T* p) const { Free(p); }
};

} // namespace

std::vector<std::string> schemaErrors(const std::filesystem::path& schema, const std::string& xml) {
    std::vector<std::string> errors;
    std::unique_ptr<xmlSchemaParserCtxt, Deleter<xmlSchemaFreeParserCtxt>> parser(
        xmlSchemaNewParserCtxt(schema.string().c_str()));
    xmlSchemaSetParserStructuredErrors(parser.get(), collectError, &errors);
    std::unique_ptr<xmlSchema, Deleter<xmlSchemaFree>> loaded(xmlSchemaParse(parser.get()));
    if (!loaded) {
        errors.push_back("the schema " + schema.string() + " does not load");
        return errors;
    }
    std::unique_ptr<xmlDoc, Deleter<xmlFreeDoc>> document(
        xmlReadMemory(xml.data(), static_cast<int>(xml.size()), "return.xml", nullptr,
                      XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING));
    if (!document) {
        errors.push_back("not well-formed XML");
        return errors;
    }
    std::unique_ptr<xmlSchemaValidCtxt, Deleter<xmlSchemaFreeValidCtxt>> validator(
        xmlSchemaNewValidCtxt(loaded.get()));
    xmlSchemaSetValidStructuredErrors(validator.get(), collectError, &errors);
    if (xmlSchemaValidateDoc(validator.get(), document.get()) != 0 && errors.empty())
        errors.push_back("invalid");
    return errors;
}

} // namespace zarion::test
