#!/usr/bin/env python3
"""Writes the stand-in pictures of the backstage frame: small PNG icons of the
sizes the frame's items use (others 32 x 32), drawn from simple shapes so each
name looks different. Run it from this folder; the PNGs are kept in the tree."""
import struct
import zlib

# name -> (width, height); pictures the items do not place are 32 x 32.
SIZES = {
    "save.png": (16, 16), "saveas.png": (16, 16), "open.png": (16, 14), "close.png": (16, 14),
    "options.png": (12, 16), "closebutton.png": (16, 16),
}
NAMES = [
    "budgets.png", "business.png", "calendar.png", "check.png", "close.png", "doc_blog.png",
    "doc_mytem.png", "doc_new.png", "doc_recent.png", "doc_sample.png", "faxes.png", "forms.png",
    "gifts.png", "invoices.png", "key.png", "Minutes.png", "open.png", "pin.png", "Planners.png",
    "Plans.png", "save.png", "saveas.png", "versions.png", "doc_blank.png", "more.png", "info.png",
    "question.png", "closebutton.png", "options.png", "pinned.png", "printer.png", "page_print",
    "page_print2", "page_print3", "page_print4",
]
PALETTE = [(0x2B, 0x57, 0x9A), (0x21, 0x73, 0x46), (0xB7, 0x47, 0x2A), (0x7B, 0x3F, 0x9E), (0xC1, 0x8A, 0x00),
           (0x00, 0x78, 0xD4), (0x5C, 0x5C, 0x5C)]


def png(width, height, pixels):
    rows = b"".join(b"\0" + bytes(pixels[y * width * 4:(y + 1) * width * 4]) for y in range(height))

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)

    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)) +
            chunk(b"IDAT", zlib.compress(rows, 9)) + chunk(b"IEND", b""))


def icon(name, width, height, seed):
    """A sheet of paper with a folded corner, a coloured band and a mark that varies."""
    colour = PALETTE[seed % len(PALETTE)]
    mark = seed % 4
    pixels = []
    fold = max(2, width // 4)
    for y in range(height):
        for x in range(width):
            inside = 0 < x < width - 1 and 0 < y < height - 1
            edge = x in (0, width - 1) or y in (0, height - 1)
            cut = x >= width - fold and y < fold and (x - (width - fold)) > y
            if cut:
                pixel = (0, 0, 0, 0)
            elif edge or (x >= width - fold and y == fold - 1) or (x == width - fold and y < fold):
                pixel = (0x70, 0x70, 0x70, 255)
            elif inside and height * 2 // 3 <= y < height - 2 and 2 <= x < width - 2:
                pixel = colour + (255,)
            elif inside and mark == 0 and y % 3 == 0 and 2 <= x < width - fold - 1:
                pixel = (0xA0, 0xA0, 0xA0, 255)
            elif inside and mark == 1 and abs(x - width // 2) + abs(y - height // 3) <= max(1, width // 6):
                pixel = colour + (255,)
            elif inside and mark == 2 and (x - width // 3) ** 2 + (y - height // 3) ** 2 <= (width // 6) ** 2:
                pixel = colour + (255,)
            elif inside and mark == 3 and x == y and x < height * 2 // 3:
                pixel = colour + (255,)
            else:
                pixel = (0xFF, 0xFF, 0xFF, 255)
            pixels.extend(pixel)
    return png(width, height, pixels)


def main():
    for seed, name in enumerate(NAMES):
        width, height = SIZES.get(name, (32, 32))
        with open(name if name.endswith(".png") else name + ".png", "wb") as f:
            f.write(icon(name, width, height, seed))
    # The items' own 64 x 64 picture.
    with open("itemimage.png", "wb") as f:
        f.write(icon("itemimage", 64, 64, 5))


if __name__ == "__main__":
    main()
