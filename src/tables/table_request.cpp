#include "tables/table_request.h"

#include <algorithm>
#include <vector>

#include <nlohmann/json.hpp>

#include "files/text_encoding.h"
#include "model/contest.h"

namespace vindelkast {

namespace {

using Json = nlohmann::json;

constexpr std::size_t kMaxTextField = 64;

struct Fields {
    std::vector<const char*> required;
    std::vector<const char*> optional;
};

Fields fieldsOf(TableCall call) {
    switch (call) {
    case TableCall::Login:
        return {{"code"}, {"table"}};
    case TableCall::Round:
        return {{"table", "code"}, {"round", "ns", "ew", "south", "west"}};
    case TableCall::Submit:
        return {{"table", "code", "entry", "board", "contract"},
                {"declarer", "tricks", "ns", "ew", "south", "west"}};
    case TableCall::Results:
        return {{"table", "code", "board"}, {"ns", "ew"}};
    case TableCall::Preview:
        return {{"table", "code", "board", "contract"}, {"declarer", "tricks"}};
    case TableCall::Standings:
        return {{"table", "code"}, {"ns", "ew", "south", "west"}};
    }
    return {};
}

bool listed(const std::vector<const char*>& names, const std::string& key) {
    return std::any_of(names.begin(), names.end(), [&](const char* name) { return key == name; });
}

// Reads the fields one by one; the first fault is kept as the message.
class FieldReader {
public:
    explicit FieldReader(const Json& object) : m_object(object) {}

    bool has(const char* name) const { return m_object.contains(name); }

    int number(const char* name, int lo, int hi) {
        if (!has(name)) return 0;
        const Json& value = m_object.at(name);
        if (!value.is_number_integer())
            return fail(std::string("F\xe4ltet ") + name + " ska vara ett heltal"), 0;
        const auto v = value.get<long long>();
        if (v < lo || v > hi)
            return fail(std::string("F\xe4ltet ") + name + " ska vara " + std::to_string(lo) + "-" +
                        std::to_string(hi)),
                   0;
        return static_cast<int>(v);
    }

    std::string text(const char* name) {
        if (!has(name)) return "";
        const Json& value = m_object.at(name);
        if (!value.is_string()) return fail(std::string("F\xe4ltet ") + name + " ska vara en text"), "";
        const auto& s = value.get_ref<const std::string&>();
        if (s.empty() || s.size() > kMaxTextField)
            return fail(std::string("F\xe4ltet ") + name + " har fel l\xe4ngd"), "";
        // The phones' text is UTF-8; the contest's is Windows-1252.
        return fromUtf8(Utf8{s});
    }

    void fail(const std::string& message) {
        if (m_message.empty()) m_message = message;
    }
    const std::string& message() const { return m_message; }

private:
    const Json& m_object;
    std::string m_message;
};

void readContract(FieldReader& in, TableRequest& r) {
    const std::string contract = in.text("contract");
    if (!in.message().empty()) return;
    const std::string fault = parseContract(contract, r.played.contract);
    if (!fault.empty()) return in.fail(fault);
    if (r.played.contract.passedOut()) return;
    if (!in.has("declarer") || !in.has("tricks")) return in.fail("Spelf\xf6rare och antal stick saknas");
    r.played.declarer = parseDeclarer(in.text("declarer"));
    if (in.message().empty() && r.played.declarer < 0) in.fail("Spelf\xf6raren ska vara N, \xd6, S eller V");
    r.played.tricks = in.number("tricks", 0, 13);
}

}  // namespace

bool isEntryId(std::string_view id) {
    return !id.empty() && id.size() <= kMaxTextField && std::all_of(id.begin(), id.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
               c == '_';
    });
}

std::optional<TableCall> tableCallOfPath(std::string_view path) {
    if (path == "/api/login") return TableCall::Login;
    if (path == "/api/round") return TableCall::Round;
    if (path == "/api/submit") return TableCall::Submit;
    if (path == "/api/results") return TableCall::Results;
    if (path == "/api/preview") return TableCall::Preview;
    if (path == "/api/standings") return TableCall::Standings;
    return std::nullopt;
}

TableRequestReading readTableRequest(TableCall call, std::string_view body) {
    TableRequestReading reading;
    reading.request.call = call;
    if (body.size() > kMaxTableRequestBytes)
        return reading.message = "F\xf6rfr\xe5gan \xe4r f\xf6r stor", reading;
    const Json object = Json::parse(body.begin(), body.end(), nullptr, false);
    if (!object.is_object()) return reading.message = "F\xf6rfr\xe5gan \xe4r inte ett JSON-objekt", reading;

    const Fields fields = fieldsOf(call);
    for (const auto& [key, value] : object.items()) {
        if (!listed(fields.required, key) && !listed(fields.optional, key))
            return reading.message = "Ok\xe4nt f\xe4lt i f\xf6rfr\xe5gan", reading;
    }
    for (const char* name : fields.required)
        if (!object.contains(name))
            return reading.message = std::string("F\xe4ltet ") + name + " saknas", reading;

    FieldReader in(object);
    TableRequest& r = reading.request;
    if (call == TableCall::Login && object.contains("table") && object.at("table").is_string()) {
        r.tableLabel = in.text("table");
        if (r.tableLabel.size() > 3 || !std::all_of(r.tableLabel.begin(), r.tableLabel.end(), [](char c) {
                return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
            }))
            in.fail("F\xe4ltet table ska vara ett bord som A3 eller 12");
    } else {
        r.table = in.number("table", 1, kMaxPair / 2);
    }
    r.code = in.text("code");
    r.round = in.number("round", 1, kMaxBoard);
    r.board = in.number("board", 1, kMaxBoard);
    r.nsPair = in.number("ns", 1, kMaxPair);
    r.ewPair = in.number("ew", 1, kMaxPair);
    r.nsPartner = in.number("south", 1, kMaxPair);
    r.ewPartner = in.number("west", 1, kMaxPair);
    if (call == TableCall::Submit) {
        r.entryId = in.text("entry");
        if (in.message().empty() && !isEntryId(r.entryId))
            in.fail("Postens id f\xe5r bara ha bokst\xe4ver a-z, siffror, - och _");
    }
    if (call == TableCall::Submit || call == TableCall::Preview) readContract(in, r);
    reading.message = in.message();
    return reading;
}

}  // namespace vindelkast
