#!/usr/bin/python3
"""Writes the sample documents folder: material lists and a price list as the
host program writes them (UTF-16LE with byte-order mark, CR LF, TAB fields,
no-break spaces between thousands). Run from anywhere:

    /usr/bin/python3 samples/generate.py
"""

from decimal import Decimal
from pathlib import Path

HERE = Path(__file__).resolve().parent
HOST = HERE / "Documents" / "Verdigo 2016"
MATERIAL_LISTS = HOST / "Material Lists"
PRICE_LISTS = HOST / "Price Lists"

NBSP = "\u00a0"
TAB = "\t"


def money(value):
    """1250 -> '1 250,00 Kč' with a no-break space between the thousands."""
    cents = int((Decimal(value) * 100).to_integral_exact())
    whole, fraction = divmod(cents, 100)
    groups = []
    digits = str(whole)
    while len(digits) > 3:
        groups.insert(0, digits[-3:])
        digits = digits[:-3]
    groups.insert(0, digits)
    return NBSP.join(groups) + f",{fraction:02d} Kč"


def quantity_text(quantity, unit):
    text = str(quantity).replace(".", ",")
    return f"{text} {unit}" if unit else text


def item_line(name, quantity, unit, price):
    total = Decimal(str(quantity)) * Decimal(str(price))
    return TAB.join([name, quantity_text(quantity, unit), money(price), money(total)])


def write_host_file(path, lines):
    path.parent.mkdir(parents=True, exist_ok=True)
    text = "".join(line + "\r\n" for line in lines)
    path.write_bytes(b"\xff\xfe" + text.encode("utf-16-le"))


def worked_example():
    return [
        "Zahrada u domu",
        "Rostliny projektu zahrady",
        TAB.join(["Položka 1 Acer campestre - javor babyka;", "3",
                  f"1{NBSP}250,00 Kč", f"3{NBSP}750,00 Kč"]),
        "Ostatní objekty zahrady",
        TAB.join(["Lavička (dřevo/kov)", "2", f"4{NBSP}500,00 Kč", f"9{NBSP}000,00 Kč"]),
        "Nástroje",
        TAB.join(["Lampa", "1", "980,00 Kč", "980,00 Kč"]),
        "Konec",
    ]


PLANTS = [
    ("Tilia cordata - lípa srdčitá", 2, 1890),
    ("Acer campestre - javor babyka", 3, 1250),
    ("Acer 'Autumn-Blaze' - javor", 1, 3490),
    ("Acer platanoides 'Crimson King' - javor mléč", 1, 2750),
    ("Betula pendula - bříza bělokorá", 3, 990),
    ("Carpinus betulus - habr obecný", 40, 89),
    ("Fagus sylvatica - buk lesní", 1, 2100),
    ("Quercus robur - dub letní", 1, 2450),
    ("Sorbus aucuparia - jeřáb ptačí", 2, 870),
    ("Prunus avium - třešeň ptačí", 1, 690),
    ("Malus domestica 'Jonagold' - jabloň domácí", 2, 540),
    ("Pyrus communis - hrušeň obecná", 1, 560),
    ("Juglans regia - ořešák královský", 1, 1190),
    ("Corylus avellana - líska obecná", 3, 240),
    ("Cornus mas - dřín obecný", 2, 320),
    ("Humulus lupulus - chmel otáčivý", 2, 180),
    ("Hydrangea macrophylla - hortenzie velkolistá", 5, 290),
    ("Syringa vulgaris - šeřík obecný", 2, 380),
    ("Forsythia x intermedia - zlatice prostřední", 3, 210),
    ("Philadelphus coronarius - pustoryl věncový", 2, 230),
    ("Spiraea japonica 'Little Princess' - tavolník japonský", 7, 145),
    ("Berberis thunbergii 'Atropurpurea' - dřišťál Thunbergův", 12, 165),
    ("Buxus sempervirens - zimostráz vždyzelený", 25, 119),
    ("Taxus baccata - tis červený", 6, 650),
    ("Thuja occidentalis 'Smaragd' - zerav západní", 30, 299),
    ("Picea abies - smrk ztepilý", 1, 1450),
    ("Pinus mugo - borovice kleč", 4, 420),
    ("Juniperus communis - jalovec obecný", 5, 310),
    ("Rosa canina - růže šípková", 3, 150),
    ("Rosa 'Gloria Dei' - růže velkokvětá", 6, 189),
    ("Rosa canina - růže šípková", 2, 150),
    ("Lavandula angustifolia - levandule úzkolistá", 20, 79),
    ("Hedera helix - břečťan popínavý", 10, 95),
    ("Clematis 'Nelly Moser' - plamének", 2, 349),
    ("Vinca minor - barvínek menší", 50, 29),
    ("Festuca glauca - kostřava sivá", 15, 69),
    ("Miscanthus sinensis - ozdobnice čínská", 4, 259),
    ("Ilex aquifolium - cesmína ostrolistá", 2, 890),
]

GARDEN = [
    ("Lavička (dřevo/kov)", 2, "", 4500),
    ("Pergola 3/4 m – modřín", 1, "", 28900),
    ("Zahradní domek 2,5 × 3 m", 1, "", 45900),
    ("Kompostér 600 l", 2, "", 1890),
    ("Trampolína ø 3 m", 1, "", 6990),
    ("Vyvýšený záhon (dřevo/ocel)", 3, "", 3250),
]

BUILDING = [
    ("Dlažba 30/30 cm – žulová", 12.5, "m²", 450),
    ("Obrubník betonový 100/25/5", 24, "m", 180),
    ("Opěrná zídka z gabionů", 8, "m", 2400),
    ("Štěrkové lože 0/32", 15, "m²", 120),
    ("Schody z pražců", 5, "", 1350),
]

POOL = [
    ("Bazén fóliový 6 × 3 m", 1, "", 185000),
    ("Filtrace písková", 1, "", 12900),
    ("Schůdky nerezové", 1, "", 6450),
    ("Zastřešení bazénu – polykarbonát", 1, "", 64900),
]

WATER = [
    ("Jezírko s fólií (PVC/EPDM)", 1, "", 24500),
    ("Čerpadlo fontány 2 500 l/h", 1, "", 3890),
    ("Potůček s kameny", 6, "m", 1150),
    ("Vodní chrlič – žula", 1, "", 7800),
]

PLOT = [
    ("Navážka ornice", 18, "m³", 650),
    ("Trávník výsevem", 240, "m²", 45),
    ("Modelace terénu", 120, "m²", 35),
    ("Mulčování kůrou", 35.5, "m²", 89),
]

ROAD = [
    ("Příjezdová cesta – zámková dlažba", 42, "m²", 890),
    ("Odvodňovací žlab", 6, "m", 1290),
    ("Zpevněná plocha 10/20 cm", 18, "m²", 560),
]

SYMBOLS = [
    ("Lampa", 1, "", 980),
    ("Zahradní svítidlo LED", 8, "", 1250),
    ("Symbol studny", 1, "", 0),
    ("Značka – vstup", 1, "", 0),
]


def plant_field(number, name):
    # Ten characters the tool drops, the plant name, one trailing character.
    return f"Pol. {number:04d} {name};"


def larger_project():
    lines = [
        "Rodinný dům Říčany – zahrada",
        "Zákazník: Jana Nováková, Ořechová 12, Říčany",
        "Datum: 14. 4. 2016",
        "Rostliny projektu zahrady",
    ]
    for number, (name, pieces, price) in enumerate(PLANTS, start=1):
        lines.append(item_line(plant_field(number, name), pieces, "", price))
    for title, items in [
        ("Ostatní objekty zahrady", GARDEN),
        ("Stavba", BUILDING),
        ("Bazén", POOL),
        ("Objekty s vodou", WATER),
        ("Terén", PLOT),
        ("Silnice", ROAD),
        ("Nástroje", SYMBOLS),
    ]:
        lines.append(title)
        lines.extend(item_line(name, q, unit, price) for name, q, unit, price in items)
    lines.append("Konec")
    return lines


def price_list():
    return [
        TAB.join(["Kategorie", "Systémový popis", "Uživatelský popis", "Jednotková cena"]),
        TAB.join(["Rostliny", "Acer campestre - javor babyka", " ", money(1250)]),
        TAB.join(["Rostliny", "Tilia cordata - lípa srdčitá", " ", money(1890)]),
        TAB.join(["Stavba", "Dlažba 30/30 cm – žulová", "Dlažba žula", money(450)]),
        TAB.join(["Ostatní objekty zahrady", "Lavička (dřevo/kov)", " ", money(4500)]),
        "[End]",
    ]


def main():
    write_host_file(MATERIAL_LISTS / "Zahrada u domu.txt", worked_example())
    write_host_file(MATERIAL_LISTS / "Rodinný dům Říčany.txt", larger_project())
    write_host_file(PRICE_LISTS / "Základní ceník.lst", price_list())


if __name__ == "__main__":
    main()
