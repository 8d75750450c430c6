#!/usr/bin/env python3
"""Writes a JSON document of one of three shapes for the scale benchmarks:

    boxes    N text boxes on one spread, each with a story of its own
    chained  one story chained through N boxes
    anchored N text boxes anchored in one story, each with a story of its own

    make_layout.py SHAPE N OUT
"""
import json
import sys

SENTENCE = 'W domu "stary" kot i pies, 5 kg w XIX wieku.'


def main():
    shape, n, out = sys.argv[1], int(sys.argv[2]), sys.argv[3]
    boxes = []
    stories = []
    items = []
    if shape == "boxes":
        for i in range(1, n + 1):
            boxes.append({"id": i, "kind": "text", "page": 1})
            items.append(i)
            stories.append({"id": i, "boxes": [i], "text": SENTENCE})
    elif shape == "chained":
        for i in range(1, n + 1):
            boxes.append({"id": i, "kind": "text", "page": 1})
            items.append(i)
        text = "\n".join(SENTENCE for _ in range(n))
        stories.append({"id": 1, "boxes": list(range(1, n + 1)), "text": text})
    elif shape == "anchored":
        boxes.append({"id": 1, "kind": "text", "page": 1})
        items.append(1)
        text = ""
        anchors = []
        for i in range(2, n + 2):
            text += SENTENCE + " "
            anchors.append({"position": len(text.encode("utf-16-le")) // 2, "box": i})
            text += "\ufffc "
            boxes.append({"id": i, "kind": "text"})
            stories.append({"id": i, "boxes": [i], "text": SENTENCE})
        stories.insert(0, {"id": 1, "boxes": [1], "text": text, "anchors": anchors})
    else:
        sys.exit("shape: boxes, chained or anchored")
    doc = {"wirsel": 1, "tool": "content", "current_box": 1,
           "spreads": [{"pages": 1, "items": items}], "boxes": boxes, "stories": stories}
    with open(out, "w", encoding="utf-8") as f:
        json.dump(doc, f, ensure_ascii=False)


if __name__ == "__main__":
    main()
