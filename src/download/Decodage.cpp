#include "download/Decodage.h"

#include "download/Classement.h"

std::int16_t BCD(std::uint8_t b) {
    // Six de moins par dizaine franchie ; la plage 144-160 a un élément de plus.
    if (b <= 160)
        return static_cast<std::int16_t>(b - 6 * (b <= 143 ? b / 16 : 9));
    return b;
}

std::uint8_t En_BCD(int valeur) {
    return static_cast<std::uint8_t>((valeur / 10) * 16 + valeur % 10);
}

bool Decoder_Table(const std::uint8_t* source, std::int16_t* lignes, std::size_t nb_lignes,
                   std::size_t colonnes, const Format_Table& f, const Rappels_Decodage& r) {
    for (std::size_t i = 1; i <= nb_lignes; ++i) {
        r.evenements();
        if (i % static_cast<std::size_t>(f.pas_progression) == 0)
            r.progression();
        const std::uint8_t* octets = source + (i - 1) * colonnes;
        std::int16_t* ligne = lignes + (i - 1) * colonnes;
        for (std::size_t j = 1; j <= colonnes; ++j) {
            const std::uint8_t b = octets[j - 1];
            ligne[j - 1] = (f.brut_7_8 && (j == 7 || j == 8)) ? std::int16_t{b} : BCD(b);
            if (f.arret_par_cellule && r.abandon())
                return false;
        }
    }
    return !r.abandon();
}

bool Decoder_Config(const std::uint8_t* bloc, Tableau<Nb_Elements_Config>& config,
                    const Rappels_Decodage& r) {
    for (int n = 1; n <= Nb_Elements_Config; ++n) {
        r.evenements();
        if (n % 512 == 0)
            r.progression();
        const std::uint8_t b = bloc[n - 1];
        config(n) = n <= Dernier_Element_Config_Brut ? std::int16_t{b} : BCD(b);
        if (r.abandon())
            return false;
    }
    return true;
}

namespace {
template <class Table>
bool decoder_table(const std::uint8_t* source, Table& table, const Format_Table& format,
                   const Rappels_Decodage& r) {
    return Decoder_Table(source, table.ligne(1), Table::lignes, Table::colonnes, format, r);
}
} // namespace

bool Decoder_Image(const std::uint8_t* image, Declarations& M, const Rappels_Decodage& r) {
    return decoder_table(image + Debut_Leq, M.Tab_Leq, Format_Leq, r) &&
           decoder_table(image + Debut_Evenements, M.Tab_Evenements, Format_Evenements, r) &&
           decoder_table(image + Debut_Parametres, M.Tab_Parametres, Format_Parametres, r) &&
           Decoder_Config(image + Debut_Config, M.Tab_Config, r);
}

void Decoder_Image(const QByteArray& image, Declarations& M) {
    Decoder_Image(reinterpret_cast<const std::uint8_t*>(image.constData()), M,
                  {[] {}, [] {}, [] { return false; }});
}

void Ranger_Image(const QByteArray& image, Declarations& M) {
    Decoder_Image(image, M);
    const Rappels_Classement muet{[] {}, [] {}, [] { return false; }};
    Classer_Table(M.Tab_Leq, true, muet);
    Classer_Table(M.Tab_Evenements, true, muet);
    Classer_Table(M.Tab_Parametres, false, muet);
}

std::uint8_t Octet_Pour(int v) {
    if (v >= 0 && v <= 99)
        return En_BCD(v);
    if (v >= 100 && v <= 106)
        return static_cast<std::uint8_t>(0x9A + (v - 100));
    if (v >= 161 && v <= 255)
        return static_cast<std::uint8_t>(v);
    return 0xFF;
}

namespace {
template <class Table>
void encoder_table(std::uint8_t* destination, const Table& table, bool brut_7_8) {
    constexpr int colonnes = static_cast<int>(Table::colonnes);
    for (int i = 1; i <= static_cast<int>(Table::lignes); ++i)
        for (int j = 1; j <= colonnes; ++j) {
            const int v = table(i, j);
            const bool brut = brut_7_8 && (j == 7 || j == 8);
            destination[(i - 1) * colonnes + j - 1] =
                brut ? static_cast<std::uint8_t>(v) : Octet_Pour(v);
        }
}
} // namespace

QByteArray Encoder_Image(const Declarations& M) {
    QByteArray image(Taille_Image, static_cast<char>(0xFF));
    auto* o = reinterpret_cast<std::uint8_t*>(image.data());
    encoder_table(o + Debut_Leq, M.Tab_Leq, false);
    encoder_table(o + Debut_Evenements, M.Tab_Evenements, true);
    encoder_table(o + Debut_Parametres, M.Tab_Parametres, true);
    for (int n = 1; n <= Nb_Elements_Config; ++n) {
        const int v = M.Tab_Config(n);
        o[Debut_Config + n - 1] =
            n <= Dernier_Element_Config_Brut ? static_cast<std::uint8_t>(v) : Octet_Pour(v);
    }
    return image;
}
