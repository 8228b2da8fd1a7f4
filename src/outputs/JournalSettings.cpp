#include "outputs/JournalSettings.h"

#include "core/Text.h"

namespace zarion::outputs {

const std::array<JournalItemField, JournalItemCount>& journalItemFields() {
    static const std::array<JournalItemField, JournalItemCount> fields{{
        {"Obaveze za NETO", "D_Neto", "P_NETO"},
        {"POREZ na zarade", "D_porez", "P_porez"},
        {"PIO na teret poslodavca", "D_PIO_F", "P_PIO_F"},
        {"ZO na teret poslodavca", "D_ZO_F", "P_ZO_F"},
        {"NEZ na teret poslodavca", "D_NEZ_F", "P_NEZ_F"},
        {"PIO na teret radnika", "D_PIO_R", "P_PIO_R"},
        {"ZO na teret radnika", "D_ZO_R", "P_ZO_R"},
        {"NEZ na teret radnika", "D_NEZ_R", "P_NEZ_R"},
        {"Obaveze za NETO - vlasnik", "D_Neto_Pred", "P_NETO_PRED"},
        {"POREZ - vlasnik", "D_Porez_pred", "P_POREZ_PRED"},
        {"PIO - vlasnik", "D_PIO_PRED", "P_PIO_PRED"},
        {"ZO - vlasnik", "D_Zdr_PRED", "P_Zdr_PRED"},
        {"NEZ - vlasnik", "D_NEZ_PRED", "P_NEZ_PRED"},
    }};
    return fields;
}

JournalSettings loadJournalSettings(db::Database& payroll) {
    JournalSettings settings;
    db::Statement st = payroll.prepare("SELECT * FROM gk_nalog ORDER BY rowid LIMIT 1");
    if (!st.step())
        return settings;
    const auto& fields = journalItemFields();
    for (std::size_t i = 0; i < JournalItemCount; ++i) {
        settings.debit[i] = st.text(fields[i].debit);
        settings.credit[i] = st.text(fields[i].credit);
    }
    if (!st.isNull("tip_seme")) {
        const auto scheme = st.integer("tip_seme");
        if (scheme >= 0 && scheme <= static_cast<int>(PostingScheme::Third))
            settings.scheme = static_cast<PostingScheme>(scheme);
    }
    settings.journalType = st.integer("id_tip");
    return settings;
}

Refused saveJournalSettings(db::Database& payroll, const JournalSettings& settings) {
    if (!settings.scheme)
        return warning("Izaberite predefinisani tip knji`enja!"_yu);
    db::Transaction tx(payroll);
    if (payroll.scalar("SELECT count(*) FROM gk_nalog").value_or(0) == 0)
        payroll.run("INSERT INTO gk_nalog(tip_seme) VALUES (0)");
    const auto& fields = journalItemFields();
    for (std::size_t i = 0; i < JournalItemCount; ++i)
        payroll.run(std::string("UPDATE gk_nalog SET ") + fields[i].debit + " = ?, " +
                        fields[i].credit + " = ?",
                    trim(settings.debit[i]), trim(settings.credit[i]));
    payroll.run("UPDATE gk_nalog SET tip_seme = ?, id_tip = ?", static_cast<int>(*settings.scheme),
                settings.journalType);
    tx.commit();
    return std::nullopt;
}

} // namespace zarion::outputs
