#include "core/startup/CompanyRegister.h"

#include "core/Text.h"
#include "core/startup/Paths.h"

namespace fs = std::filesystem;

namespace zarion::startup {

std::vector<CompanyRow> listCompanies(db::Database& registerDb, int companyAccess) {
    auto st = registerDb.prepare(
        "SELECT ID_Firma, firma, grad, sd, CV, Put, BoJa, obrisana FROM firme ORDER BY rowid");
    std::vector<CompanyRow> rows;
    while (st.step()) {
        const std::int64_t id = st.integer("ID_Firma");
        if (st.flag("obrisana") || (companyAccess != 0 && id != companyAccess))
            continue;
        CompanyRow row;
        row.id = id;
        row.name = st.text("firma");
        row.town = st.text("grad");
        row.shownId = row.name.empty() ? std::string() : std::to_string(id);
        row.sd = st.text("sd");
        row.cv = st.text("CV");
        row.put = st.text("Put");
        row.boja = st.text("BoJa");
        rows.push_back(std::move(row));
    }
    return rows;
}

std::optional<CompanyNames> findCompany(db::Database& registerDb, std::int64_t id) {
    auto st = registerDb.prepare("SELECT firma, grad FROM firme WHERE ID_Firma = ?");
    st.bindAll(id);
    if (!st.step())
        return std::nullopt;
    return CompanyNames{st.text(0), st.text(1)};
}

CreateResult createCompany(db::Database& registerDb, const fs::path& dataRoot, int workYear,
                           const std::string& name, const std::string& town) {
    if (trim(name).empty() || trim(town).empty())
        return {0, "Niste uneli potrebne podatke"_yu};

    db::Transaction tx(registerDb);
    registerDb.run("INSERT INTO firme(firma, grad, sd, obrisana) VALUES (?, ?, 0, 0)", trim(name),
                   trim(town));
    const std::int64_t id = registerDb.lastInsertId();
    startCompanyYear(dataRoot, workYear, id);
    tx.commit();
    return {id, {}};
}

void startCompanyYear(const fs::path& dataRoot, int workYear, std::int64_t companyId) {
    const fs::path folder = companyFolder(dataRoot, workYear, companyId);
    fs::create_directories(folder);
    for (const auto& entry : fs::directory_iterator(templateFolder(dataRoot)))
        if (entry.is_regular_file())
            fs::copy_file(entry.path(), folder / entry.path().filename(),
                          fs::copy_options::overwrite_existing);
    fs::create_directories(folder / "export");
    fs::create_directories(folder / "import");
}

bool updateCompany(db::Database& registerDb, std::int64_t id, const std::string& name,
                   const std::string& town) {
    registerDb.run("UPDATE firme SET firma = ?, grad = ? WHERE ID_Firma = ?", trim(name),
                   trim(town), id);
    return registerDb.changes() > 0;
}

bool removeCompany(db::Database& registerDb, std::int64_t id) {
    registerDb.run("UPDATE firme SET obrisana = 1 WHERE ID_Firma = ?", id);
    return registerDb.changes() > 0;
}

} // namespace zarion::startup
