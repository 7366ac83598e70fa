#!/usr/bin/env python3
"""Builds settings/stations/StationTable.txt, the program's station directory, from the
public-domain station list of Debian's weather-util-data package.

Run by hand when the table should change; its output is committed and the build only embeds
it. The table holds exactly STATION_COUNT rows sorted by character code, with the fixed rows
below at their row numbers. Each stretch between two fixed rows is filled from the stations
whose display text sorts into it: every country (or US state) there keeps its main airports,
or its best station when it has none of them, and each further row goes to the country with
the most stations per row it already has, which takes its best remaining station. Best means
a main airport, then one with a passenger code, then an international airport, then any
airport; stations without a name come last.

Needs the package installed (apt-get install weather-util-data); the build does not.

usage: tools/make-station-table.py [--data DIR] [--copyright FILE] [--output FILE]
"""

import argparse
import collections
import gzip
import os
import re
import sys
import unicodedata

STATION_COUNT = 2853
MAX_TEXT = 82
NOT_AVAILABLE = "Station name not available"
US_NOT_AVAILABLE = "US," + NOT_AVAILABLE

# Rows whose number, text and identifier are fixed; the data may lack them.
FIXED_ROWS = [
    (0, "Albania ,Tirana", "LATI"),
    (1, "Algeria ,Annaba", "DABB"),
    (11, "Antigua and Barbuda ,Vc Bird International Airport Antigua", "TAPA"),
    (42, "Aruba ,Queen Beatrix Airport, Aruba", "TNCA"),
    (73, "Belarus ,Station name not available", "UMMM"),
    (74, "Belarus ,Station name not available", "UMWW"),
    (296, "Cuba ,Guantanamo, Oriente", "MUGT"),
    (297, "Cuba ,Guantanamo, Oriente", "MUGM"),
    (1278, "Tuvalu ,Funafuti", "NGFU"),
    (1279, "US,AK,Adak, Naval Air Station", "PADK"),
    (1280, "US,AK,Ambler", "PAFM"),
    (1987, "US,MO,Joplin, Joplin Regional Airport", "KJLN"),
    (2040, "US,MT,West Yellowstone", "KWYS"),
    (2041, "US,MT,West Yellowstone", "KWEY"),
    (2332, US_NOT_AVAILABLE, "PAUD"),
    (2431, US_NOT_AVAILABLE, "PAFK"),
    (2662, "US,WY,Yellowstone Lake, Yellowstone Lake", "KP60"),
    (2663, "Uganda ,Entebbe Airport", "HUEN"),
    (2852, "Zimbabwe ,Victoria Falls", "FVFA"),
]

US_STATES = set(
    "AK AL AR AZ CA CO CT DE FL GA HI IA ID IL IN KS KY LA MA MD ME MI MN MO MS MT NC ND NE "
    "NH NJ NM NV NY OH OK OR PA PR RI SC SD TN TX UT VA VT WA WI WV WY".split()
)

# Country as the data names it (in words or by its two-letter code) -> display name. Names
# follow the international standard's short English names, turned round where that name
# holds a comma, since a comma ends the country part of a display text.
COUNTRIES = {
    "Albania": "Albania",
    "Algeria": "Algeria", "DZ": "Algeria",
    "Angola": "Angola", "AO": "Angola",
    "Anguilla": "Anguilla",
    "Antarctica": "Antarctica", "AQ": "Antarctica",
    "Antigua And Barbuda": "Antigua and Barbuda",
    "Argentina": "Argentina", "AR": "Argentina",
    "AM": "Armenia",
    "Aruba": "Aruba",
    "Australia": "Australia", "AU": "Australia",
    "Austria": "Austria",
    "Azerbaijan": "Azerbaijan", "AZ": "Azerbaijan",
    "Bahamas, The": "Bahamas", "BS": "Bahamas",
    "Bahrain": "Bahrain",
    "Bangladesh": "Bangladesh", "BD": "Bangladesh",
    "Barbados": "Barbados",
    "Belarus": "Belarus", "BY": "Belarus",
    "Belgium": "Belgium",
    "Belize": "Belize",
    "Benin": "Benin",
    "Bermuda": "Bermuda",
    "BT": "Bhutan",
    "Bolivia": "Bolivia", "BO": "Bolivia",
    "Bosnia And Herzegovina": "Bosnia and Herzegovina",
    "Botswana": "Botswana", "BW": "Botswana",
    "Brazil": "Brazil", "BR": "Brazil",
    "British Indian Ocean Territory": "British Indian Ocean Territory",
    "Brunei": "Brunei Darussalam",
    "Bulgaria": "Bulgaria", "BG": "Bulgaria",
    "Burkina Faso": "Burkina Faso",
    "Burundi": "Burundi",
    "Cambodia": "Cambodia", "KH": "Cambodia",
    "Cameroon": "Cameroon", "CM": "Cameroon",
    "Canada": "Canada", "CA": "Canada",
    "Cape Verde": "Cape Verde", "CV": "Cape Verde",
    "Cayman Islands": "Cayman Islands",
    "Central African Republic": "Central African Republic",
    "Chad": "Chad",
    "Chile": "Chile", "CL": "Chile",
    "China": "China", "CN": "China",
    "Christmas Island": "Christmas Island",
    "Colombia": "Colombia", "CO": "Colombia",
    "Comoros": "Comoros",
    "Congo, Republic Of The": "Congo",
    "Congo, Democratic Republic Of The": "Democratic Republic of the Congo",
    "CD": "Democratic Republic of the Congo",
    "Cook Islands": "Cook Islands", "CK": "Cook Islands",
    "Costa Rica": "Costa Rica",
    "Cote D'Ivoire": "Cote d'Ivoire",
    "Croatia": "Croatia",
    "Cuba": "Cuba", "CU": "Cuba",
    "Cyprus": "Cyprus",
    "Czech Republic": "Czech Republic", "CZ": "Czech Republic",
    "Denmark": "Denmark", "DK": "Denmark",
    "Djibouti": "Djibouti",
    "Dominica": "Dominica",
    "Dominican Republic": "Dominican Republic", "DO": "Dominican Republic",
    "Ecuador": "Ecuador", "EC": "Ecuador",
    "Egypt": "Egypt", "EG": "Egypt",
    "El Salvador": "El Salvador",
    "Equatorial Guinea": "Equatorial Guinea", "GQ": "Equatorial Guinea",
    "Estonia": "Estonia", "EE": "Estonia",
    "Ethiopia": "Ethiopia",
    "Islas Malvinas": "Falkland Islands (Malvinas)",
    "Micronesia, Federated States Of": "Federated States of Micronesia",
    "Fiji": "Fiji", "FJ": "Fiji",
    "Finland": "Finland",
    "France": "France", "FR": "France",
    "French Guiana": "French Guiana",
    "French Polynesia": "French Polynesia", "PF": "French Polynesia",
    "Gabon": "Gabon", "GA": "Gabon",
    "Gambia, The": "Gambia",
    "Georgia": "Georgia", "GE": "Georgia",
    "Germany": "Germany", "DE": "Germany",
    "Ghana": "Ghana",
    "Gibraltar": "Gibraltar",
    "Greece": "Greece", "GR": "Greece",
    "Greenland": "Greenland",
    "Grenada": "Grenada",
    "Guadeloupe": "Guadeloupe",
    "GU": "Guam",
    "Guatemala": "Guatemala", "GT": "Guatemala",
    "Guinea": "Guinea",
    "Guinea-Bissau": "Guinea-Bissau",
    "Guyana": "Guyana", "GY": "Guyana",
    "Haiti": "Haiti",
    "Honduras": "Honduras", "HN": "Honduras",
    "Hong Kong": "Hong Kong",
    "Hungary": "Hungary", "HU": "Hungary",
    "Iceland": "Iceland", "IS": "Iceland",
    "India": "India", "IN": "India",
    "Indonesia": "Indonesia", "ID": "Indonesia",
    "Iran": "Iran", "IR": "Iran",
    "IQ": "Iraq",
    "Ireland": "Ireland", "IE": "Ireland",
    "Israel": "Israel", "IL": "Israel",
    "Italy": "Italy", "IT": "Italy",
    "Jamaica": "Jamaica",
    "Japan": "Japan", "JP": "Japan",
    "Jordan": "Jordan",
    "Kazakhstan": "Kazakstan", "KZ": "Kazakstan",
    "Kenya": "Kenya",
    "Kiribati": "Kiribati",
    "XK": "Kosovo",
    "Kuwait": "Kuwait", "KW": "Kuwait",
    "KG": "Kyrgyzstan",
    "Laos": "Lao People's Democratic Republic", "LA": "Lao People's Democratic Republic",
    "Latvia": "Latvia", "LV": "Latvia",
    "Lebanon": "Lebanon",
    "Lesotho": "Lesotho",
    "Liberia": "Liberia",
    "Libya": "Libyan Arab Jamahiriya", "LY": "Libyan Arab Jamahiriya",
    "Lithuania": "Lithuania",
    "Luxembourg": "Luxembourg",
    "Macau": "Macau",
    "Macedonia, The Republic Of": "Macedonia",
    "Madagascar": "Madagascar",
    "Malawi": "Malawi",
    "Malaysia": "Malaysia", "MY": "Malaysia",
    "Maldives": "Maldives", "MV": "Maldives",
    "Mali": "Mali", "ML": "Mali",
    "Malta": "Malta",
    "Marshall Islands": "Marshall Islands",
    "Martinique": "Martinique",
    "Mauritania": "Mauritania", "MR": "Mauritania",
    "Mauritius": "Mauritius", "MU": "Mauritius",
    "Mexico": "Mexico", "MX": "Mexico",
    "Moldova": "Republic of Moldova", "MD": "Republic of Moldova",
    "Mongolia": "Mongolia", "MN": "Mongolia",
    "MS": "Montserrat",
    "Morocco": "Morocco", "MA": "Morocco",
    "Mozambique": "Mozambique", "MZ": "Mozambique",
    "Myanmar": "Myanmar", "MM": "Myanmar",
    "Namibia": "Namibia", "NA": "Namibia",
    "NR": "Nauru",
    "Nepal": "Nepal",
    "Netherlands": "Netherlands", "NL": "Netherlands",
    "Netherlands Antilles": "Netherlands Antilles",
    "New Caledonia": "New Caledonia",
    "New Zealand": "New Zealand",
    "Nicaragua": "Nicaragua",
    "Niger": "Niger",
    "Nigeria": "Nigeria", "NG": "Nigeria",
    "Northern Mariana Islands": "Northern Mariana Islands",
    "Norway": "Norway", "NO": "Norway",
    "Oman": "Oman", "OM": "Oman",
    "Pakistan": "Pakistan", "PK": "Pakistan",
    "Palau": "Palau",
    "Panama": "Panama", "PA": "Panama",
    "Papua New Guinea": "Papua New Guinea", "PG": "Papua New Guinea",
    "Paraguay": "Paraguay", "PY": "Paraguay",
    "Peru": "Peru", "PE": "Peru",
    "Philippines": "Philippines",
    "Poland": "Poland", "PL": "Poland",
    "Portugal": "Portugal", "PT": "Portugal",
    "Qatar": "Qatar", "QA": "Qatar",
    "Korea, South": "Republic of Korea", "South Korea": "Republic of Korea",
    "KR": "Republic of Korea",
    "Reunion": "Reunion",
    "Romania": "Romania", "RO": "Romania",
    "Russia": "Russian Federation", "RU": "Russian Federation",
    "Rwanda": "Rwanda", "RW": "Rwanda",
    "Saint Helena": "Saint Helena",
    "Saint Kitts And Nevis": "Saint Kitts and Nevis",
    "Saint Lucia": "Saint Lucia",
    "Saint Pierre And Miquelon": "Saint Pierre and Miquelon",
    "VC": "Saint Vincent and the Grenadines",
    "Samoa": "Samoa",
    "Sao Tome And Principe": "Sao Tome and Principe",
    "Saudi Arabia": "Saudi Arabia", "SA": "Saudi Arabia",
    "Senegal": "Senegal", "SN": "Senegal",
    "Serbia And Montenegro": "Serbia and Montenegro", "RS": "Serbia and Montenegro",
    "Seychelles": "Seychelles",
    "Sierra Leone": "Sierra Leone",
    "Singapore": "Singapore", "SG": "Singapore",
    "Slovakia": "Slovakia",
    "Slovenia": "Slovenia", "SI": "Slovenia",
    "Solomon Islands": "Solomon Islands",
    "Somalia": "Somalia", "SO": "Somalia",
    "South Africa": "South Africa", "ZA": "South Africa",
    "South Georgia And The Islands": "South Georgia and the South Sandwich Islands",
    "Spain": "Spain", "ES": "Spain",
    "Sri Lanka": "Sri Lanka", "LK": "Sri Lanka",
    "Sudan": "Sudan", "SD": "Sudan",
    "Suriname": "Suriname", "SR": "Suriname",
    "Swaziland": "Swaziland", "SZ": "Swaziland",
    "Sweden": "Sweden", "SE": "Sweden",
    "Switzerland": "Switzerland", "CH": "Switzerland",
    "Syria": "Syrian Arab Republic",
    "Taiwan": "Taiwan",
    "Tajikistan": "Tajikistan", "TJ": "Tajikistan",
    "Thailand": "Thailand", "TH": "Thailand",
    "Togo": "Togo",
    "Tonga": "Tonga", "TO": "Tonga",
    "Trinidad And Tobago": "Trinidad and Tobago",
    "Tunisia": "Tunisia", "TN": "Tunisia",
    "Turkey": "Turkey", "TR": "Turkey",
    "Turkmenistan": "Turkmenistan", "TM": "Turkmenistan",
    "Turks And Caicos Islands": "Turks and Caicos Islands", "TC": "Turks and Caicos Islands",
    "Tuvalu": "Tuvalu",
    "Uganda": "Uganda",
    "United Arab Emirates": "United Arab Emirates", "AE": "United Arab Emirates",
    "United Kingdom": "United Kingdom", "GB": "United Kingdom",
    "Tanzania": "United Republic of Tanzania", "TZ": "United Republic of Tanzania",
    "United States Minor Outlying Islands": "United States Minor Outlying Islands",
    "Uruguay": "Uruguay",
    "Uzbekistan": "Uzbekistan", "UZ": "Uzbekistan",
    "Vanuatu": "Vanuatu", "VU": "Vanuatu",
    "Venezuela": "Venezuela",
    "Vietnam": "Viet Nam", "VN": "Viet Nam",
    "British Virgin Islands": "Virgin Islands (British)",
    "Virgin Islands": "Virgin Islands (U.S.)",
    "Western Sahara": "Western Sahara", "EH": "Western Sahara",
    "Yemen": "Yemen",
    "Zambia": "Zambia", "ZM": "Zambia",
    "Zimbabwe": "Zimbabwe", "ZW": "Zimbabwe",
}

# The main international airports of each country and the main airports of each US state:
# the table keeps every one of them that the data holds.
MAIN_AIRPORTS = set("""
    EGLL EGKK EGCC EGPH EGPF EGBB EGSS EGAA EGGD LFPG LFPO LFMN LFLL LFML LFBO EDDF EDDM EDDT
    EDDL EDDH EDDK EDDS EHAM EBBR ELLX LSZH LSGG LOWW LIRF LIMC LIPZ LIRN LEMD LEBL LEPA LEMG
    LPPT LPPR EIDW EKCH ESSA ESGG ENGM ENBR EFHK BIKF EPWA EPKK LKPR LZIB LHBP LROP LBSF LGAV
    LTBA LTFM LTAC LTAI LCLK LMML LDZA LJLJ LQSA LYBE LWSK LATI EVRA EYVI EETN UMMS UKBB LUKK
    UUEE UUDD UUWW ULLI UGTB UDYZ UBBB UAAA UACC UTTT UTAA UCFM UTDD
    LLBG OJAI OJAM OLBA OSDI ORBI OIII OIIE OKBK OBBI OTBD OTHH OMDB OMAA OOMS OERK OEJN OEDF
    OYSN VIDP VABB VOMM VECC VOBL VOHS OPKC OPLA OPRN VGHS VNKT VCBI VRMM VTBS VTBD VVNB VVTS
    VDPP VLVT VYYY WMKK WSSS WIII RPLL RCTP RCSS VHHH VMMC ZBAA ZSPD ZSSS ZGGG RJTT RJAA RJBB
    RJCC RJFF RJGG RKSI RKSS ZMUB
    YSSY YMML YBBN YPPH YPAD NZAA NZCH NZWN NFFN NTAA NWWW AYPY AGGH NSFA NVVV PGUM
    HECA DAAG DTTA GMMN HLLT HSSS HAAB HKJK HTDA HUEN FAOR FACT FALE FVRG FVHA FLKK FQMA FNLU
    FYWH FBSK FMMI FIMP DNMM DNAA DGAA DIAP GOOY GOBD GABS GUCY GLRB GFLL DBBB DXXX DRRN DFFD
    FCBB FZAA FKKD FOOL FEFF HRYR HBBA HDAM HCMM FTTJ FWKI FMEE
    CYYZ CYVR CYUL CYYC CYEG CYOW CYWG CYHZ CYQB CYYT CYQR CYXE CYFC CYQM CYXY CYZF CYFB MMMX MMUN MMGL MMMY MGGT MSLP MHTG MNMG MROC MPTO
    MUHA MKJP MKJS MDSD MDPC MTPP TNCM TBPB TTPP SKBO SVMI SEGU SPJC SLLP SLVR SCEL SAEZ SABE
    SUMU SGAS SBGR SBGL SBBR SMJP SYCJ SOCA MZBZ MYNN TXKF MWCR TFFR TFFF
    KBHM KHSV KMOB PANC PAFA PAJN KPHX KTUS KLIT KXNA KLAX KSFO KSAN KSJC KOAK KSMF KDEN KCOS
    KBDL KILG KMIA KMCO KTPA KFLL KJAX KATL KSAV PHNL PHOG KBOI KORD KMDW KIND KDSM KICT KSDF
    KCVG KMSY KPWM KBGR KBWI KBOS KDTW KGRR KMSP KJAN KSTL KMCI KBIL KBZN KMSO KOMA KLAS KRNO
    KMHT KEWR KABQ KJFK KLGA KBUF KALB KCLT KRDU KFAR KBIS KCLE KCMH KDAY KOKC KTUL KPDX KPHL
    KPIT TJSJ KPVD KCHS KGSP KCAE KFSD KRAP KPIR KMYR KBNA KMEM KDFW KIAH KAUS KSAT KDAL KHOU KELP KSLC
    KBTV KIAD KDCA KRIC KORF KSEA KGEG KCRW KMKE KMSN KCYS KJAC
""".split())

# Letters that have no decomposition into a plain letter and a mark.
LETTERS = {
    "ß": "ss", "Þ": "Th", "þ": "th", "Ð": "D", "ð": "d", "Ø": "O", "ø": "o", "Æ": "AE",
    "æ": "ae", "Œ": "OE", "œ": "oe", "Ł": "L", "ł": "l", "Đ": "D", "đ": "d", "ı": "i",
    "°": "", "‘": "'", "’": "'", "ʻ": "'", "ʼ": "'", "“": '"', "”": '"', "–": "-", "—": "-",
}

# Stations the data files under the wrong territory.
PLACE_FIXES = {
    "PGRO": "Northern Mariana Islands",
    "PGWT": "Northern Mariana Islands",
    "PWAK": "United States Minor Outlying Islands",
}

# Stations whose name in the data leaves out the city a user looks them up by.
DESCRIPTION_FIXES = {
    "SBGR": "Guarulhos Civ / Mil, Sao Paulo, Brazil",
}

Row = collections.namedtuple("Row", "text ident group rank")


def read_sections(path):
    """The [name] sections of a weather-util data file as name -> {key: value}."""
    sections, current = {}, None
    with gzip.open(path, "rt", encoding="utf-8") as lines:
        for line in lines:
            line = line.rstrip("\n")
            if not line.strip() or line.startswith("#"):
                continue
            if line.startswith("[") and line.endswith("]"):
                current = sections.setdefault(line[1:-1], {})
            else:
                key, _, value = line.partition(" = ")
                current[key] = value
    return sections


def to_ascii(text):
    text = "".join(LETTERS.get(c, c) for c in text)
    text = unicodedata.normalize("NFKD", text)
    text = "".join(c for c in text if not unicodedata.combining(c))
    if any(not " " <= c <= "~" for c in text):
        raise ValueError("no plain spelling for %r" % text)
    return text


def plain_name(text):
    """A name of the data in printable ASCII, its blanks tidied."""
    # "St. John'S", "Int'L": the data's capitals after an apostrophe that ends a word
    text = re.sub(r"'([A-Z])\b", lambda m: "'" + m.group(1).lower(), to_ascii(text))
    return " ".join(text.split())


def fit(text):
    """The text cut at a word end so that it fits a display row."""
    if len(text) <= MAX_TEXT:
        return text
    cut = text[: MAX_TEXT + 1].rsplit(" ", 1)[0]
    return cut.rstrip(" ,/-")


def join_names(parts):
    """Names without repeats: a part already inside an earlier one is left out."""
    kept = []
    for part in parts:
        part = part.strip()
        if part and not any(part.lower() in k.lower() for k in kept):
            kept.append(part)
    return ", ".join(kept)


def rank(text, ident, coded):
    """Higher for the stations a user most likely wants."""
    if text.endswith(NOT_AVAILABLE):
        return 0
    score = 1
    if ident in MAIN_AIRPORTS:
        score += 100
    if coded:
        score += 8
    if re.search(r"\bInt(ernationa)?l\b|\bIntl\b|\bInt\.", text):
        score += 4
    if re.search(r"\b(Airport|Airfield|Air Base|Field|Fld|AP|Regional)\b", text):
        score += 2
    if ident[0] in "KP" and not ident[1:].isalpha():
        score -= 1  # locally numbered US field, not an airport of the international list
    return score


def convert(ident, description, coded):
    """The row of one station of the data, or None when it has no place in the table."""
    parts = [p.strip() for p in plain_name(description).split(",")]
    if description.startswith("unknown station in "):
        where = plain_name(description[len("unknown station in "):])
        if where.startswith("United States"):
            return Row(US_NOT_AVAILABLE, ident, "US", rank(US_NOT_AVAILABLE, ident, coded))
        if where not in COUNTRIES:
            return None
        text = COUNTRIES[where] + " ," + NOT_AVAILABLE
        return Row(text, ident, COUNTRIES[where], 0)
    last = parts[-1]
    if last in ("United States", "United States of America", "US", "PR"):
        state = PLACE_FIXES.get(ident, "PR" if last == "PR" else parts[-2])
        names = parts[:-2]
        if state not in US_STATES:
            if state not in COUNTRIES:
                return None
            return country_row(ident, COUNTRIES[state], names, coded)
        if last in ("US", "PR"):
            # name, municipality: the place comes first in a US row
            names = [names[-1]] + names[:-1]
        text = fit("US,%s,%s" % (state, join_names(names)))
        return Row(text, ident, state, rank(text, ident, coded))
    if len(parts) > 2 and ", ".join(parts[-2:]) in COUNTRIES:
        return country_row(ident, COUNTRIES[", ".join(parts[-2:])], parts[:-2], coded)
    if re.fullmatch(r"[A-Z]{2}", last):
        # name, municipality, region code, country code: the region code says little
        if last not in COUNTRIES:
            return None
        return country_row(ident, COUNTRIES[last], parts[:-2], coded)
    if last in COUNTRIES:
        return country_row(ident, COUNTRIES[last], parts[:-1], coded)
    return None


def country_row(ident, country, names, coded):
    name = join_names(names)
    if not name:
        return None
    text = fit("%s ,%s" % (country, name))
    return Row(text, ident, country, rank(text, ident, coded))


def choose(candidates, count):
    """`count` rows of the candidates. Every group (country or US state) takes its main
    airports, or one row when it has none, then
    each further row goes to the group with the most candidates per row it already has; a
    group fills its rows with its best candidates."""
    groups = collections.defaultdict(list)
    for row in sorted(candidates, key=lambda r: (-r.rank, r.ident)):
        groups[row.group].append(row)
    seats = {g: max(1, sum(r.ident in MAIN_AIRPORTS for r in rows)) for g, rows in groups.items()}
    if sum(seats.values()) > count:
        raise SystemExit("%d rows for the main airports and groups of %s but %d places"
                         % (sum(seats.values()), sorted(groups), count))
    for _ in range(count - sum(seats.values())):
        open_groups = [g for g in sorted(groups) if seats[g] < len(groups[g])]
        best = max(open_groups, key=lambda g: len(groups[g]) / (seats[g] + 1))
        seats[best] += 1
    return [row for group in groups for row in groups[group][: seats[group]]]


def build_rows(stations, coded_idents):
    fixed_idents = {ident for _, _, ident in FIXED_ROWS}
    candidates = []
    for name, fields in stations.items():
        ident = name.upper()
        if ident in fixed_idents or not re.fullmatch(r"[A-Z0-9]{4}", ident):
            continue
        description = DESCRIPTION_FIXES.get(ident, fields.get("description", ""))
        row = convert(ident, description, ident in coded_idents)
        if row is not None:
            candidates.append(row)
    rows = []
    bounds = [(-1, "", None)] + FIXED_ROWS
    for (low_row, low_text, _), (high_row, high_text, high_ident) in zip(bounds, bounds[1:]):
        between = [r for r in candidates if low_text <= r.text <= high_text]
        if low_row >= 0:
            between = [r for r in between if r.text != low_text or low_text == high_text]
        if low_text != high_text:
            between = [r for r in between if r.text != high_text]
        wanted = high_row - low_row - 1
        if len(between) < wanted:
            raise SystemExit("%d candidates for the %d rows before row %d"
                             % (len(between), wanted, high_row))
        rows += sorted(choose(between, wanted) if wanted else [], key=lambda r: (r.text, r.ident))
        rows.append(Row(high_text, high_ident, None, None))
    return rows


def notice(copyright_path):
    """The package's copyright file as comment lines, which the table must carry."""
    with open(copyright_path, encoding="utf-8") as text:
        return [("# " + to_ascii(line)).rstrip() for line in text.read().splitlines()]


class TableError(Exception):
    """The built table breaks one of the directory's fixed rules."""


def check(holds, message):
    # Not assert: python -O would drop the table's rules without a word.
    if not holds:
        raise TableError(message)


def main():
    repo = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--data", default="/usr/share/weather-util")
    parser.add_argument("--copyright", default="/usr/share/doc/weather-util-data/copyright")
    parser.add_argument("--output",
                        default=os.path.join(repo, "settings", "stations", "StationTable.txt"))
    args = parser.parse_args()
    stations = read_sections(os.path.join(args.data, "stations.gz"))
    airports = read_sections(os.path.join(args.data, "airports.gz"))
    coded = {fields["station"].upper() for fields in airports.values() if "station" in fields}
    rows = build_rows(stations, coded)
    check(len(rows) == STATION_COUNT, "%d rows, not %d" % (len(rows), STATION_COUNT))
    check([r.text for r in rows] == sorted(r.text for r in rows),
          "rows are not in ascending order of their texts")
    check(len({r.ident for r in rows}) == STATION_COUNT, "identifiers are not unique")
    kept = {r.ident for r in rows}
    lost = sorted(i for i in MAIN_AIRPORTS if i.lower() in stations and i not in kept)
    check(not lost, "main airports left out: %s" % lost)
    for number, text, ident in FIXED_ROWS:
        check(rows[number][:2] == (text, ident),
              "row %d is %r, not %r" % (number, rows[number][:2], (text, ident)))
    with open(args.output, "w", encoding="ascii", newline="\n") as out:
        out.write("# Station directory: display text TAB identifier, one row a line, in row\n"
                  "# order. Made by tools/make-station-table.py from the station list of\n"
                  "# Debian's weather-util-data package, under this notice:\n#\n")
        out.write("\n".join(notice(args.copyright)) + "\n")
        for row in rows:
            out.write("%s\t%s\n" % (row.text, row.ident))
    print("%d rows written to %s" % (len(rows), args.output), file=sys.stderr)


if __name__ == "__main__":
    main()
