#include "core/startup/Operators.h"

#include "core/Text.h"
#include "core/startup/Passwords.h"

namespace zarion::startup {
namespace {

// The first operator whose sign-in name equals the typed one without regard to case.
std::optional<std::int64_t> findOperatorId(db::Database& registerDb, const std::string& login) {
    const std::string wanted = toUpper(login);
    auto st = registerDb.prepare("SELECT ID_OPerater, login FROM operateri ORDER BY rowid");
    while (st.step()) {
        if (toUpper(st.isNull(1) ? std::string() : st.text(1)) == wanted)
            return st.integer(0);
    }
    return std::nullopt;
}

} // namespace

std::optional<std::int64_t> operatorNumber(db::Database& registerDb, const std::string& login) {
    return findOperatorId(registerDb, login);
}

bool accessCodeMatches(db::Database& registerDb, std::int64_t operatorId,
                       const std::string& typedCode) {
    const std::string typed = trim(typedCode);
    auto st = registerDb.prepare("SELECT pass FROM operateri WHERE ID_OPerater = ?");
    st.bindAll(operatorId);
    return !typed.empty() && st.step() && !st.isNull(0) && passwordMatches(st.text(0), typed);
}

std::variant<Operator, SignInRefused> signIn(db::Database& registerDb, const std::string& login,
                                             const std::string& typedPassword) {
    const auto id = findOperatorId(registerDb, login);
    if (!id)
        return SignInRefused{"Nepropisno korisnicko ime!"_yu};

    auto st = registerDb.prepare("SELECT login, pass, Ime, Prezime, lk, ID_ol, paragon_stampac, "
                                 "Pristup FROM operateri WHERE ID_OPerater = ?");
    st.bindAll(*id);
    st.step();
    const std::string typed = trim(typedPassword);
    if (!st.isNull("pass")) {
        const std::string stored = st.text("pass");
        if (!passwordMatches(stored, typed))
            return SignInRefused{"Neispravna lozinka!"_yu};
        if (!isPasswordHash(stored))
            registerDb.run("UPDATE operateri SET pass = ? WHERE ID_OPerater = ?",
                           hashPassword(typed), *id);
    }
    Operator op;
    op.id = *id;
    op.login = st.text("login");
    op.name = st.text("Ime");
    op.surname = st.text("Prezime");
    op.lk = st.text("lk");
    op.olId = st.integer("ID_ol");
    op.receiptPrinter = st.text("paragon_stampac");
    op.companyAccess = static_cast<int>(st.integer("Pristup"));
    return op;
}

std::int64_t saveOperator(db::Database& registerDb, const std::string& login,
                          const std::string& password, const std::optional<std::string>& name,
                          const std::optional<std::string>& surname,
                          std::optional<int> companyAccess) {
    db::Transaction tx(registerDb);
    const std::string hash = hashPassword(trim(password));
    std::int64_t id = 0;
    if (const auto existing = findOperatorId(registerDb, login)) {
        id = *existing;
        registerDb.run("UPDATE operateri SET pass = ? WHERE ID_OPerater = ?", hash, id);
    } else {
        registerDb.run("INSERT INTO operateri(login, pass, Pristup) VALUES (?, ?, 0)", login, hash);
        id = registerDb.lastInsertId();
    }
    if (name)
        registerDb.run("UPDATE operateri SET Ime = ? WHERE ID_OPerater = ?", *name, id);
    if (surname)
        registerDb.run("UPDATE operateri SET Prezime = ? WHERE ID_OPerater = ?", *surname, id);
    if (companyAccess)
        registerDb.run("UPDATE operateri SET Pristup = ? WHERE ID_OPerater = ?", *companyAccess,
                       id);
    tx.commit();
    return id;
}

} // namespace zarion::startup
