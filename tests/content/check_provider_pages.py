"""The five course providers' pages: each is there, and the counts it states (questions of the set by
kind, passages, and the test centres of the provider that has them) are recounted here from the
set's data file and the centre list's source, so that a page never tells more or less than the kit
holds. The pages link nowhere outside the program, and every file they link to is there."""
import collections
import json
import pathlib
import re
import sys

resources = pathlib.Path(sys.argv[1])
source = resources.parent
pages = {"Courses_Kaplan_index": "MKaplanSet", "Courses_Knewton_index": "MKnewtonSet",
         "Courses_ManhattanORVA_index": "MManhattanORVASet", "Courses_PrincetonReview_index": "MPrincetonReviewSet",
         "Courses_ManhattanReview_index": "MManhattanReviewSet"}
centres_source = (source / "Classes/study_aids/MManhattanORVACenters.cpp").read_text(encoding="utf-8")
centres = collections.Counter(re.findall(r'^\s*\{-?[\d.]+, -?[\d.]+, "([^"]+)"', centres_source, re.M))

failures = []
checks = 0
for page, builder in pages.items():
    path = resources / f"{page}.htm"
    if not path.is_file():
        failures.append(f"{page}.htm is missing")
        continue
    text = path.read_text(encoding="utf-8")
    data = json.loads((resources / "question_sets" / f"{builder}.json").read_text(encoding="utf-8"))
    kinds = collections.Counter(r["type"] for r in data["records"])
    stated = {int(t): int(n) for t, n in re.findall(r'<span class="count" data-type="(\d)">(\d+)</span>', text)}
    checks += 3
    if stated != dict(kinds):
        failures.append(f"{page}.htm states {stated}, the set holds {dict(kinds)}")
    total = re.search(r'<span class="total">(\d+)</span>', text)
    if not total or int(total.group(1)) != len(data["records"]):
        failures.append(f"{page}.htm states another total than {len(data['records'])}")
    passages = re.search(r'<span class="passages">(\d+)</span>', text)
    if (int(passages.group(1)) if passages else 0) != len(data["passages"]):
        failures.append(f"{page}.htm states another number of passages than {len(data['passages'])}")
    stated_centres = re.search(r'<span class="centres">(\d+)</span>', text)
    if stated_centres:
        checks += 1
        counts = {"US": 31, "Canada": 2, "United Kingdom": 1, "France": 1}
        if int(stated_centres.group(1)) != sum(centres.values()) or dict(centres) != counts:
            failures.append(f"{page}.htm: the centres are {dict(centres)}")
    for link in re.findall(r'href="([^"]+)"', text):
        if re.match(r"[a-z]+:", link):
            failures.append(f"{page}.htm links outside: {link}")
        elif not (resources / link.split("#")[0]).is_file():
            failures.append(f"{page}.htm links to the missing file {link}")
    if 'rel="stylesheet" href="ReferencePages.css"' not in text:
        failures.append(f"{page}.htm lacks the style sheet it shares with the maths review")
    for picture in re.findall(r'src="([^"]+)"', text):
        if not (resources / picture).is_file():
            failures.append(f"{page}.htm names the missing picture {picture}")

for failure in failures:
    print(failure)
print(f"{checks - len(failures)} passed, {len(failures)} failed")
sys.exit(1 if failures else 0)
