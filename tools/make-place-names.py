#!/usr/bin/env python3
"""Builds settings/stations/PlaceNames.txt, the other names by which the station search finds
a station: city names in English and in other common spellings, the three-letter airport codes,
the principal stations, and the stations the service publishes that the directory lacks.

Sources and their licences:
- Debian's weather-util-data package (/usr/share/weather-util/airports.gz and stations.gz),
  ISC licence, built from public-domain sources (US National Weather Service station list,
  OurAirports); its copyright notice is copied into the table's header.
- The list of large cities below (English name, other spellings, main airport's code), written
  by this project's developers from general knowledge and placed under the project's licence.
  The cities are listed roughly by size, largest first; the order is the rank that decides
  between two cities sharing a name.
- The main airports of tools/make-station-table.py.

Run by hand when the table should change; its output is committed and the build only embeds
it. Needs the package installed (apt-get install weather-util-data); the build does not.

usage: tools/make-place-names.py [--data DIR] [--copyright FILE] [--output FILE]
"""

import argparse
import importlib.util
import os
import re
import sys
import unicodedata

# English name | other spellings, comma separated | main airport's three-letter code.
# Names with German umlauts also get their ae/oe/ue spelling.
CITIES = """
Tokyo|Tōkyō|HND
Delhi|New Delhi,Dilli|DEL
Shanghai||PVG
Dhaka|Dacca|DAC
Sao Paulo|São Paulo,Sampa|GRU
Mexico City|Ciudad de México,CDMX,Mexico DF|MEX
Cairo|Al Qahirah,El Qahira,Kairo,Le Caire|CAI
Beijing|Peking,Pékin|PEK
Mumbai|Bombay|BOM
Osaka|Ōsaka|KIX
Chongqing|Chungking|CKG
Karachi||KHI
Istanbul|İstanbul,Constantinople|IST
Kinshasa||FIH
Lagos||LOS
Buenos Aires||EZE
Kolkata|Calcutta|CCU
Manila|Maynila|MNL
Tianjin|Tientsin|TSN
Guangzhou|Canton,Kwangchow|CAN
Rio de Janeiro|Rio|GIG
Lahore||LHE
Bangalore|Bengaluru|BLR
Shenzhen||SZX
Moscow|Moskva,Moskau,Moscou,Mosca,Moscú|SVO
Chennai|Madras|MAA
Bogota|Bogotá|BOG
Paris|Parigi,París,Parijs|CDG
Jakarta|Djakarta|CGK
Lima||LIM
Bangkok|Krung Thep|BKK
Hyderabad|Haidarabad|HYD
Seoul|Séoul,Soeul|ICN
Nagoya||NGO
London|Londres,Londra,Londen,Londyn|LHR
Chengdu||CTU
Nanjing|Nanking|NKG
Tehran|Teheran,Téhéran|IKA
Ho Chi Minh City|Saigon,Sai Gon,Thanh pho Ho Chi Minh|SGN
Luanda||LAD
Wuhan||WUH
Xi'an|Xian,Sian|XIY
Ahmedabad||AMD
Kuala Lumpur||KUL
New York|New York City,NYC,Nueva York,New-York|JFK
Hangzhou||HGH
Hong Kong|Xianggang,Hongkong|HKG
Shenyang||SHE
Riyadh|Ar Riyad,Riad,Riyad|RUH
Baghdad|Bagdad|BGW
Santiago|Santiago de Chile|SCL
Surat||STV
Madrid||MAD
Pune|Poona|PNQ
Harbin||HRB
Houston||IAH
Dallas|Fort Worth|DFW
Toronto||YYZ
Dar es Salaam||DAR
Miami||MIA
Belo Horizonte||CNF
Singapore|Singapura,Singapur|SIN
Philadelphia||PHL
Atlanta||ATL
Fukuoka||FUK
Khartoum|Al Khartum,Khartum|KRT
Barcelona||BCN
Johannesburg|Joburg,Jozi|JNB
Saint Petersburg|St Petersburg,Sankt-Peterburg,Sankt Petersburg,Leningrad|LED
Qingdao|Tsingtao|TAO
Dalian||DLC
Washington|Washington DC|DCA
Yangon|Rangoon|RGN
Alexandria|Al Iskandariyah,Iskandariya|HBE
Jinan||TNA
Guadalajara||GDL
Ankara|Angora|ESB
Chittagong|Chattogram|CGP
Melbourne||MEL
Abidjan||ABJ
Monterrey||MTY
Sydney||SYD
Nairobi||NBO
Zhengzhou||CGO
Hanoi|Ha Noi|HAN
Brasilia|Brasília|BSB
Cape Town|Kaapstad,Kapstadt|CPT
Kabul||KBL
Casablanca|Dar el Beida|CMN
Jeddah|Jidda,Jiddah|JED
Kano||KAN
Rome|Roma,Rom|FCO
Berlin||BER
Fortaleza||FOR
Recife||REC
Salvador||SSA
Porto Alegre||POA
Curitiba||CWB
Medellin|Medellín|MDE
Cali||CLO
Caracas||CCS
Quito||UIO
Guayaquil||GYE
Los Angeles||LAX
Chicago||ORD
Boston||BOS
Phoenix||PHX
San Francisco||SFO
Detroit||DTW
Seattle||SEA
Montreal|Montréal|YUL
Vancouver||YVR
San Diego||SAN
Minneapolis|Saint Paul,St Paul|MSP
Tampa||TPA
Denver||DEN
St. Louis|Saint Louis|STL
Baltimore||BWI
Orlando||MCO
Charlotte||CLT
San Antonio||SAT
Portland||PDX
Sacramento||SMF
Pittsburgh||PIT
Las Vegas||LAS
Austin||AUS
Cincinnati||CVG
Kansas City||MCI
Columbus||CMH
Indianapolis||IND
Cleveland||CLE
San Jose||SJC
Nashville||BNA
Salt Lake City||SLC
Honolulu||HNL
Anchorage||ANC
Raleigh|Durham|RDU
Milwaukee||MKE
Jacksonville||JAX
Oklahoma City||OKC
Memphis||MEM
Louisville||SDF
Richmond||RIC
New Orleans||MSY
Buffalo||BUF
Hartford||BDL
Calgary||YYC
Edmonton||YEG
Ottawa||YOW
Winnipeg||YWG
Quebec City|Québec,Quebec|YQB
Havana|La Habana,Habana|HAV
Santo Domingo||SDQ
Port-au-Prince|Port au Prince|PAP
San Juan||SJU
Guatemala City|Ciudad de Guatemala|GUA
San Salvador||SAL
Tegucigalpa||TGU
Managua||MGA
San José|San Jose de Costa Rica|SJO
Panama City|Ciudad de Panamá|PTY
Kingston||KIN
Montevideo||MVD
Asuncion|Asunción|ASU
La Paz||LPB
Santa Cruz de la Sierra|Santa Cruz|VVI
Belem|Belém|BEL
Manaus||MAO
Goiania|Goiânia|GYN
Campinas||VCP
Cordoba|Córdoba|COR
Rosario||ROS
Mendoza||MDZ
Barranquilla||BAQ
Maracaibo||MAR
Valencia|València|VLC
Puebla||PBC
Tijuana||TIJ
Leon|León|BJX
Cancun|Cancún|CUN
Milan|Milano,Mailand|MXP
Naples|Napoli,Neapel|NAP
Turin|Torino|TRN
Florence|Firenze,Florenz|FLR
Venice|Venezia,Venedig|VCE
Bologna||BLQ
Genoa|Genova,Genua|GOA
Palermo||PMO
Catania||CTA
Bari||BRI
Munich|München,Munchen,Monaco di Baviera|MUC
Cologne|Köln,Koln,Colonia|CGN
Hamburg|Hambourg,Amburgo|HAM
Frankfurt|Frankfurt am Main,Francfort,Francoforte|FRA
Stuttgart||STR
Dusseldorf|Düsseldorf|DUS
Nuremberg|Nürnberg,Nurnberg,Norimberga|NUE
Hanover|Hannover|HAJ
Leipzig||LEJ
Dresden|Dresde|DRS
Bremen||BRE
Dortmund||DTM
Vienna|Wien,Vienne,Viena|VIE
Zurich|Zürich,Zurigo|ZRH
Geneva|Genève,Genf,Ginevra,Ginebra|GVA
Basel|Bâle,Basle|BSL
Bern|Berne|BRN
Brussels|Bruxelles,Brussel,Brüssel|BRU
Antwerp|Antwerpen,Anvers|ANR
Amsterdam||AMS
Rotterdam|The Hague,Den Haag|RTM
Luxembourg|Luxemburg|LUX
Copenhagen|København,Kopenhagen|CPH
Stockholm||ARN
Gothenburg|Göteborg|GOT
Malmo|Malmö|MMX
Oslo||OSL
Bergen||BGO
Helsinki|Helsingfors|HEL
Reykjavik|Reykjavík|KEF
Dublin|Baile Átha Cliath|DUB
Cork||ORK
Manchester||MAN
Birmingham||BHX
Glasgow||GLA
Edinburgh|Dùn Èideann|EDI
Liverpool||LPL
Leeds|Bradford|LBA
Newcastle|Newcastle upon Tyne|NCL
Bristol||BRS
Belfast||BFS
Lisbon|Lisboa,Lissabon,Lisbonne|LIS
Porto|Oporto|OPO
Seville|Sevilla,Séville|SVQ
Malaga|Málaga|AGP
Bilbao|Bilbo|BIO
Palma|Palma de Mallorca|PMI
Marseille|Marseilles,Marsiglia|MRS
Lyon|Lyons,Lione|LYS
Nice|Nizza|NCE
Toulouse||TLS
Bordeaux||BOD
Nantes||NTE
Strasbourg|Strassburg,Straßburg|SXB
Lille||LIL
Warsaw|Warszawa,Warschau,Varsovie|WAW
Krakow|Kraków,Cracow,Krakau|KRK
Lodz|Łódź|LCJ
Wroclaw|Wrocław,Breslau|WRO
Poznan|Poznań,Posen|POZ
Gdansk|Gdańsk,Danzig|GDN
Prague|Praha,Prag|PRG
Brno|Brünn|BRQ
Bratislava|Pressburg|BTS
Budapest||BUD
Bucharest|București,Bucuresti,Bukarest|OTP
Cluj-Napoca|Cluj,Klausenburg|CLJ
Sofia|Sofiya,Sofija|SOF
Belgrade|Beograd,Belgrad|BEG
Zagreb|Agram|ZAG
Ljubljana|Laibach|LJU
Sarajevo||SJJ
Skopje||SKP
Tirana|Tiranë|TIA
Athens|Athina,Athen,Athènes,Atene|ATH
Thessaloniki|Salonica,Saloniki|SKG
Izmir|İzmir,Smyrna|ADB
Antalya||AYT
Kyiv|Kiev,Kyjiw,Kijów|KBP
Kharkiv|Kharkov|HRK
Odesa|Odessa|ODS
Lviv|Lvov,Lwów,Lemberg|LWO
Dnipro|Dnipropetrovsk|DNK
Minsk||MSQ
Vilnius|Wilno|VNO
Riga|Rīga|RIX
Tallinn|Reval|TLL
Chisinau|Chișinău,Kishinev|KIV
Novosibirsk||OVB
Yekaterinburg|Ekaterinburg,Jekaterinburg|SVX
Kazan||KZN
Nizhny Novgorod|Nizhniy Novgorod|GOJ
Samara||KUF
Rostov-on-Don|Rostov na Donu|ROV
Volgograd|Stalingrad|VOG
Krasnoyarsk||KJA
Omsk||OMS
Chelyabinsk||CEK
Ufa||UFA
Perm||PEE
Vladivostok||VVO
Irkutsk||IKT
Sochi||AER
Tbilisi|Tiflis|TBS
Yerevan|Erevan,Jerewan|EVN
Baku||GYD
Almaty|Alma-Ata|ALA
Astana|Nur-Sultan|NQZ
Tashkent|Toshkent|TAS
Bishkek|Frunze|FRU
Dushanbe||DYU
Ashgabat|Ashkhabad|ASB
Dubai||DXB
Abu Dhabi||AUH
Doha||DOH
Kuwait City|Al Kuwayt|KWI
Manama||BAH
Muscat|Masqat|MCT
Tel Aviv|Tel Aviv-Yafo,Jaffa|TLV
Amman||AMM
Beirut|Beyrouth|BEY
Damascus|Dimashq,Damas|DAM
Aleppo|Halab|ALP
Basra|Basrah|BSR
Erbil|Arbil|EBL
Mashhad|Meshed|MHD
Isfahan|Esfahan|IFN
Shiraz||SYZ
Tabriz||TBZ
Sanaa|Sana'a|SAH
Aden||ADE
Medina|Al Madinah|MED
Dammam||DMM
Islamabad|Rawalpindi|ISB
Faisalabad|Lyallpur|LYP
Peshawar||PEW
Quetta||UET
Multan||MUX
Kathmandu|Katmandu|KTM
Colombo||CMB
Male|Malé|MLE
Jaipur||JAI
Lucknow||LKO
Nagpur||NAG
Patna||PAT
Indore||IDR
Bhopal||BHO
Kochi|Cochin|COK
Thiruvananthapuram|Trivandrum|TRV
Coimbatore||CJB
Visakhapatnam|Vizag|VTZ
Varanasi|Benares|VNS
Amritsar||ATQ
Guwahati||GAU
Goa||GOI
Busan|Pusan|PUS
Taipei|Taibei|TPE
Kaohsiung||KHH
Sapporo||CTS
Hiroshima||HIJ
Sendai||SDJ
Naha|Okinawa|OKA
Ulaanbaatar|Ulan Bator|ULN
Pyongyang||FNJ
Macau|Macao|MFM
Xiamen|Amoy|XMN
Kunming||KMG
Changsha||CSX
Nanning||NNG
Fuzhou||FOC
Urumqi|Ürümqi|URC
Lanzhou||LHW
Taiyuan||TYN
Shijiazhuang||SJW
Changchun||CGQ
Hefei||HFE
Nanchang||KHN
Guiyang||KWE
Haikou||HAK
Sanya||SYX
Lhasa||LXA
Hohhot||HET
Phnom Penh||PNH
Vientiane||VTE
Da Nang|Danang|DAD
Surabaya||SUB
Bandung||BDO
Medan||KNO
Denpasar|Bali|DPS
Makassar|Ujung Pandang|UPG
Cebu||CEB
Davao||DVO
Penang|George Town|PEN
Chiang Mai||CNX
Phuket||HKT
Bandar Seri Begawan||BWN
Dili||DIL
Addis Ababa|Addis Abeba|ADD
Dakar||DKR
Accra||ACC
Kumasi||KMS
Abuja||ABV
Ibadan||IBA
Port Harcourt||PHC
Algiers|Alger,Argel|ALG
Oran|Wahran|ORN
Tunis||TUN
Tripoli|Tarabulus|TIP
Benghazi||BEN
Rabat||RBA
Marrakesh|Marrakech|RAK
Fes|Fez|FEZ
Tangier|Tanger|TNG
Durban||DUR
Port Elizabeth|Gqeberha|PLZ
Harare||HRE
Bulawayo||BUQ
Lusaka||LUN
Maputo||MPM
Antananarivo|Tananarive|TNR
Kampala||EBB
Kigali||KGL
Bujumbura||BJM
Mombasa||MBA
Mogadishu|Muqdisho|MGQ
Djibouti||JIB
Asmara||ASM
Brazzaville||BZV
Lubumbashi||FBM
Douala||DLA
Yaounde|Yaoundé|NSI
Libreville||LBV
Bamako||BKO
Ouagadougou||OUA
Niamey||NIM
Conakry||CKY
Freetown||FNA
Monrovia||ROB
Lome|Lomé|LFW
Cotonou||COO
N'Djamena|Ndjamena|NDJ
Nouakchott||NKC
Windhoek||WDH
Gaborone||GBE
Lilongwe||LLW
Blantyre||BLZ
Maseru||MSU
Port Louis||MRU
Brisbane||BNE
Perth||PER
Adelaide||ADL
Auckland||AKL
Wellington||WLG
Christchurch||CHC
Canberra||CBR
Gold Coast||OOL
Darwin||DRW
Hobart||HBA
Cairns||CNS
Port Moresby||POM
Suva||SUV
Noumea|Nouméa|NOU
Papeete||PPT
Hagatna|Hagåtña,Agana|GUM
Merida|Mérida|MID
Acapulco||ACA
Oaxaca||OAX
Veracruz||VER
Chihuahua||CUU
Hermosillo||HMO
Culiacan|Culiacán|CUL
San Luis Potosi|San Luis Potosí|SLP
Queretaro|Querétaro|QRO
Aguascalientes||AGU
Mazatlan|Mazatlán|MZT
Puerto Vallarta||PVR
Cusco|Cuzco|CUZ
Arequipa||AQP
Trujillo||TRU
Cartagena||CTG
Bucaramanga||BGA
Concepcion|Concepción|CCP
Antofagasta||ANF
Natal||NAT
Florianopolis|Florianópolis|FLN
Vitoria|Vitória|VIX
Maceio|Maceió|MCZ
Sao Luis|São Luís|SLZ
Teresina||THE
Joao Pessoa|João Pessoa|JPA
Aracaju||AJU
Campo Grande||CGR
Cuiaba|Cuiabá|CGB
Paramaribo||PBM
Georgetown||GEO
Port of Spain||POS
Bridgetown||BGI
Nassau||NAS
Albuquerque||ABQ
Tucson||TUS
El Paso||ELP
Fresno||FAT
Omaha||OMA
Tulsa||TUL
Wichita||ICT
Des Moines||DSM
Birmingham||BHM
Albany||ALB
Providence||PVD
Boise||BOI
Spokane||GEG
Reno||RNO
Little Rock||LIT
Charleston||CHS
Savannah||SAV
Norfolk|Virginia Beach|ORF
Grand Rapids||GRR
Knoxville||TYS
Columbia||CAE
Greenville||GSP
Madison||MSN
Fort Lauderdale||FLL
West Palm Beach||PBI
Fort Myers||RSW
Rochester||ROC
Syracuse||SYR
Dayton||DAY
Toledo||TOL
Akron||CAK
Newark||EWR
Baton Rouge||BTR
Jackson||JAN
Mobile||MOB
Lexington||LEX
Harrisburg||MDT
Allentown||ABE
Burlington||BTV
Fairbanks||FAI
Juneau||JNU
Halifax||YHZ
Victoria||YYJ
Saskatoon||YXE
Regina||YQR
St. John's|Saint John's|YYT
"""

UMLAUTS = {"ä": "ae", "ö": "oe", "ü": "ue", "Ä": "Ae", "Ö": "Oe", "Ü": "Ue"}


def load_station_table_script(repo):
    found = importlib.util.spec_from_file_location(
        "make_station_table", os.path.join(repo, "tools", "make-station-table.py"))
    module = importlib.util.module_from_spec(found)
    found.loader.exec_module(module)
    return module


def read_directory(path):
    """Identifier -> row number of the committed directory."""
    rows = {}
    with open(path, encoding="ascii") as table:
        for line in table:
            if line.startswith("#"):
                continue
            _, ident = line.rstrip("\n").split("\t")
            rows[ident] = len(rows)
    return rows


def fold(text):
    """Lower-case letters and digits without accents, for comparing names."""
    text = unicodedata.normalize("NFKD", text.replace("ß", "ss").replace("ł", "l"))
    text = "".join(c for c in text if not unicodedata.combining(c)).lower()
    return " ".join(re.sub(r"[^a-z0-9]+", " ", text.replace("'", "")).split())


def spellings(english, others):
    """The city's names, English first, each spelling once as the search folds it."""
    names = [english] + [n.strip() for n in others.split(",") if n.strip()]
    for name in list(names):
        if any(c in UMLAUTS for c in name):
            names.append("".join(UMLAUTS.get(c, c) for c in name))
    kept, seen = [], set()
    for name in names:
        if fold(name) not in seen:
            seen.add(fold(name))
            kept.append(name)
    return kept


def main():
    repo = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--data", default="/usr/share/weather-util")
    parser.add_argument("--copyright", default="/usr/share/doc/weather-util-data/copyright")
    parser.add_argument("--output",
                        default=os.path.join(repo, "settings", "stations", "PlaceNames.txt"))
    args = parser.parse_args()
    tables = load_station_table_script(repo)
    directory = read_directory(os.path.join(repo, "settings", "stations", "StationTable.txt"))
    stations = tables.read_sections(os.path.join(args.data, "stations.gz"))
    airports = tables.read_sections(os.path.join(args.data, "airports.gz"))

    unlisted = {}
    for name, fields in sorted(stations.items()):
        ident = name.upper()
        description = fields.get("description", "")
        if (ident in directory or not re.fullmatch(r"[A-Z0-9]{4}", ident) or not description
                or description.startswith("unknown station")):
            continue
        unlisted[ident] = tables.fit(tables.plain_name(description))
    served = set(directory) | set(unlisted)

    codes = {}
    for code, fields in sorted(airports.items()):
        ident = fields.get("station", "").upper()
        if re.fullmatch(r"[a-z]{3}", code) and ident in served:
            codes[code.upper()] = ident

    lines, missing, city_count, listed_cities = [], [], 0, 0
    for entry in CITIES.strip().splitlines():
        english, others, code = entry.split("|")
        ident = codes.get(code)
        if ident is None:
            missing.append("%s (%s)" % (english, code))
            continue
        city_count += 1
        listed_cities += ident in directory
        for name in spellings(english, others):
            lines.append("C\t%s\t%s\t%d" % (name, ident, city_count))
    for code, ident in codes.items():
        lines.append("A\t%s\t%s" % (code, ident))
    for ident in sorted(tables.MAIN_AIRPORTS & served):
        lines.append("M\t%s" % ident)
    for ident, text in unlisted.items():
        lines.append("U\t%s\t%s" % (ident, text))

    tables.check(listed_cities >= 300,
                 "only %d cities have a station in the directory" % listed_cities)
    for line in lines:
        tables.check("\n" not in line and all(part for part in line.split("\t")),
                     "bad line %r" % line)
    if missing:
        print("cities left out, their airport has no station: " + ", ".join(missing),
              file=sys.stderr)
    with open(args.output, "w", encoding="utf-8", newline="\n") as out:
        out.write(HEADER)
        out.write("\n".join(tables.notice(args.copyright)) + "\n")
        out.write("\n".join(lines) + "\n")
    print("%d cities (%d in the directory), %d airport codes, %d unlisted stations written to %s"
          % (city_count, listed_cities, len(codes), len(unlisted), args.output), file=sys.stderr)


HEADER = """\
# Other names of stations, for the station search. Made by tools/make-place-names.py; one
# entry a line, fields separated by tabs:
#   C  name  identifier  rank    a city's name in English or another common spelling; rank is
#                                the city's place in a list ordered by size, 1 the largest
#   A  code  identifier          a three-letter airport code
#   M  identifier                a main airport, first among the stations of its place
#   U  identifier  name          a station the service publishes that the directory lacks
# The city list was written by this project's developers from general knowledge. Airport codes,
# main airports' stations and the unlisted stations come from Debian's weather-util-data
# package (airports.gz, stations.gz), ISC licence, built from public-domain sources, under
# this notice:
#
"""


if __name__ == "__main__":
    main()
