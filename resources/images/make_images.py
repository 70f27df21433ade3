#!/usr/bin/env python3
"""Writes every NAME.svg of this folder; the build renders each to :/image/NAME.png.

The SVG files are committed, so the build needs no Python. Edit the look here and run
    python3 resources/images/make_images.py
to write them again. Button images are drawn in their display size (viewBox) and
rendered at twice that size, because style-sheet border images are scaled down to the
button and a 2x source stays crisp on high-DPI screens.
"""
import math
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))

# One palette for the whole program: light line icons on the dark panels, one accent.
ICON = "#c8c8d0"
HOVER = "#4fa3ff"
PRESSED = "#2f80d8"
CHECKED = "#4fa3ff"
CHECKED_HOVER = "#82bdff"
DISABLED = "#55555f"
CLOSE_RED = "#e0444c"
CLOSE_RED_PRESSED = "#a8323a"

FONT = "DejaVu Sans"
WRITTEN = set()


def fmt(v):
    s = ("%.2f" % v).rstrip("0").rstrip(".")
    return "0" if s == "-0" else s


def write(name, width, height, view, body):
    svg = (
        '<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" viewBox="%s">\n'
        "%s\n</svg>\n" % (width, height, view, body.strip("\n"))
    )
    WRITTEN.add(name + ".svg")
    with open(os.path.join(HERE, name + ".svg"), "w", encoding="utf-8") as f:
        f.write(svg)


def polar(cx, cy, r, deg):
    """Point at radius r, deg clockwise from straight up (the gauges' convention)."""
    a = math.radians(deg)
    return cx + r * math.sin(a), cy - r * math.cos(a)


# ---------------------------------------------------------------- icon shapes
# Each takes the stroke colour and returns SVG elements in its own viewBox.


def line_attrs(c, w):
    return (
        'fill="none" stroke="%s" stroke-width="%s" stroke-linecap="round" '
        'stroke-linejoin="round"' % (c, fmt(w))
    )


def gear(c):
    cx = cy = 12.0
    pts = []
    for i in range(8):
        a = i * 45.0
        for da, r in ((-13, 6.6), (-7, 8.6), (7, 8.6), (13, 6.6)):
            pts.append(polar(cx, cy, r, a + da))
    d = "M" + " L".join("%s %s" % (fmt(x), fmt(y)) for x, y in pts) + " Z"
    return '<path d="%s" %s/>\n<circle cx="12" cy="12" r="2.6" %s/>' % (
        d,
        line_attrs(c, 1.5),
        line_attrs(c, 1.5),
    )


def minimize(c):
    return '<path d="M7 12.5 H17" %s/>' % line_attrs(c, 1.6)


def maximize(c):
    return '<rect x="7" y="7" width="10" height="10" rx="1.2" %s/>' % line_attrs(c, 1.6)


def restore(c):
    return (
        '<path d="M9.5 7 H16 A1 1 0 0 1 17 8 V14.5" %s/>\n'
        '<rect x="6.5" y="9.5" width="8" height="8" rx="1" %s/>'
        % (line_attrs(c, 1.5), line_attrs(c, 1.5))
    )


def close(c):
    return '<path d="M7.5 7.5 L16.5 16.5 M16.5 7.5 L7.5 16.5" %s/>' % line_attrs(c, 1.7)


# The view buttons show a car seen from above (front up) and the field of view of the
# camera channel they select, as a lit sector on that side.
def car_body(c):
    return (
        '<rect x="11" y="8.5" width="10" height="15" rx="3.2" %s/>\n'
        '<path d="M12.9 12.4 Q16 10.9 19.1 12.4 M13.2 20 Q16 21.2 18.8 20" %s/>'
        % (line_attrs(c, 1.8), line_attrs(c, 1.4))
    )


VIEW_SIDES = {"front": (16, 7.3, 0), "rear": (16, 24.7, 180), "left": (9.7, 16, 270), "right": (22.3, 16, 90)}


def car_view(side):
    cx, cy, towards = VIEW_SIDES[side]

    def draw(c):
        r = 5.7
        a1, a2 = towards - 48, towards + 48
        x1, y1 = polar(cx, cy, r, a1)
        x2, y2 = polar(cx, cy, r, a2)
        sector = "M%s %s L%s %s A%s %s 0 0 1 %s %s Z" % (
            fmt(cx), fmt(cy), fmt(x1), fmt(y1), fmt(r), fmt(r), fmt(x2), fmt(y2))
        return car_body(c) + '\n<path d="%s" fill="%s" fill-opacity="0.45" stroke="%s" stroke-width="1.2" stroke-linejoin="round"/>' % (
            sector, c, c) + '\n<circle cx="%s" cy="%s" r="1.3" fill="%s"/>' % (fmt(cx), fmt(cy), c)

    return draw


def all_views(c):
    return (
        '<rect x="4" y="6.5" width="24" height="19" rx="2.5" %s/>\n'
        '<path d="M16 6.5 V25.5 M4 16 H28" %s/>'
        % (line_attrs(c, 1.8), line_attrs(c, 1.5))
    )


def folder(c):
    return (
        '<path d="M4.5 10 V24 A1.5 1.5 0 0 0 6 25.5 H26 A1.5 1.5 0 0 0 27.5 24 V12.5 '
        'A1.5 1.5 0 0 0 26 11 H15.5 L13 8 H6 A1.5 1.5 0 0 0 4.5 9.5 Z" %s/>\n'
        '<path d="M4.5 14.5 H27.5" %s/>' % (line_attrs(c, 1.8), line_attrs(c, 1.5))
    )


def camera(c):
    return (
        '<path d="M5 11.5 A1.5 1.5 0 0 1 6.5 10 H10.5 L12.5 7 H19.5 L21.5 10 H25.5 '
        'A1.5 1.5 0 0 1 27 11.5 V23.5 A1.5 1.5 0 0 1 25.5 25 H6.5 A1.5 1.5 0 0 1 5 23.5 Z" %s/>\n'
        '<circle cx="16" cy="17.5" r="4.6" %s/>\n'
        '<circle cx="23.3" cy="13.2" r="0.9" fill="%s"/>'
        % (line_attrs(c, 1.8), line_attrs(c, 1.8), c)
    )


def ring(c):
    return '<circle cx="16" cy="16" r="13" %s/>' % line_attrs(c, 1.8)


def play(c):
    return ring(c) + '\n<path d="M13 10.5 L22 16 L13 21.5 Z" fill="%s" %s/>' % (
        c,
        line_attrs(c, 1.4)[len('fill="none" '):],
    )


def pause(c):
    return ring(c) + (
        '\n<rect x="11.6" y="10.5" width="3" height="11" rx="0.8" fill="%s"/>'
        '\n<rect x="17.4" y="10.5" width="3" height="11" rx="0.8" fill="%s"/>' % (c, c)
    )


def stop(c):
    return ring(c) + '\n<rect x="11" y="11" width="10" height="10" rx="1.2" fill="%s"/>' % c


def previous(c):
    return (
        '<path d="M7 6.5 V17.5" %s/>\n'
        '<path d="M17.5 6.5 L9.5 12 L17.5 17.5 Z" fill="%s" %s/>'
        % (line_attrs(c, 1.8), c, line_attrs(c, 1.4)[len('fill="none" '):])
    )


def next_(c):
    return (
        '<path d="M17 6.5 V17.5" %s/>\n'
        '<path d="M6.5 6.5 L14.5 12 L6.5 17.5 Z" fill="%s" %s/>'
        % (line_attrs(c, 1.8), c, line_attrs(c, 1.4)[len('fill="none" '):])
    )


SPEAKER = 'M2.8 7.6 H5.4 L9.4 4.2 V15.8 L5.4 12.4 H2.8 Z'


def volume(c):
    return (
        '<path d="%s" fill="%s" fill-opacity="0.3" %s/>\n'
        '<path d="M12.2 7.4 A3.6 3.6 0 0 1 12.2 12.6 M14.4 5 A7 7 0 0 1 14.4 15" %s/>'
        % (SPEAKER, c, line_attrs(c, 1.4)[len('fill="none" '):], line_attrs(c, 1.4))
    )


def mute(c):
    return (
        '<path d="%s" fill="%s" fill-opacity="0.3" %s/>\n'
        '<path d="M12.4 7.6 L17 12.2 M17 7.6 L12.4 12.2" %s/>'
        % (SPEAKER, c, line_attrs(c, 1.4)[len('fill="none" '):], line_attrs(c, 1.5))
    )


def chevron_up(c):
    return '<path d="M4 10 L8 5.8 L12 10" %s/>' % line_attrs(c, 1.8)


def chevron_down(c):
    return '<path d="M4 6 L8 10.2 L12 6" %s/>' % line_attrs(c, 1.8)


# ------------------------------------------------------------- button states


def button(name, size, draw, state, radius=None, close_style=False):
    """One border image of a button of size x size pixels in the given state."""
    r = radius if radius is not None else size * 0.2
    bg = ""
    inset = False
    if state == "normal":
        c = ICON
    elif state == "hover":
        c = HOVER
        bg = '<rect width="%d" height="%d" rx="%s" fill="#ffffff" fill-opacity="0.08"/>'
    elif state == "pressed":
        c, inset = PRESSED, True
        bg = '<rect width="%d" height="%d" rx="%s" fill="#000000" fill-opacity="0.28"/>'
    elif state == "checked_normal":
        c = CHECKED
        bg = '<rect width="%d" height="%d" rx="%s" fill="#4fa3ff" fill-opacity="0.16"/>'
    elif state == "checked_hover":
        c = CHECKED_HOVER
        bg = '<rect width="%d" height="%d" rx="%s" fill="#4fa3ff" fill-opacity="0.26"/>'
    elif state == "checked_pressed":
        c, inset = PRESSED, True
        bg = '<rect width="%d" height="%d" rx="%s" fill="#4fa3ff" fill-opacity="0.12"/>'
    elif state == "disable":
        c = DISABLED
    else:
        raise ValueError(state)
    if close_style and state in ("hover", "pressed"):
        # The usual convention: a red field behind a white cross.
        fill = CLOSE_RED if state == "hover" else CLOSE_RED_PRESSED
        bg = '<rect width="%%d" height="%%d" rx="%%s" fill="%s"/>' % fill
        c = "#ffffff"
    body = bg % (size, size, fmt(r)) + "\n" if bg else ""
    art = draw(c)
    if inset:
        h = size / 2.0
        art = '<g transform="translate(%s %s) scale(0.9) translate(-%s -%s)">\n%s\n</g>' % (
            fmt(h), fmt(h), fmt(h), fmt(h), art)
    write(name + "_" + state, size * 2, size * 2, "0 0 %d %d" % (size, size), body + art)


BASIC = ("normal", "hover", "pressed")
WITH_DISABLE = BASIC + ("disable",)
CHECKABLE = BASIC + ("checked_normal", "checked_hover", "checked_pressed", "disable")

# stem, display size, drawing, states, extra options
BUTTONS = [
    # title bars of the main window, the settings and the USB disk dialogs (24 x 24)
    ("setup", 24, gear, BASIC, {}),
    ("min", 24, minimize, BASIC, {}),
    ("max", 24, maximize, BASIC, {}),
    ("restore", 24, restore, BASIC, {}),
    ("close", 24, close, BASIC, {"close_style": True}),
    # control panel: view buttons (32 x 32, checkable, exclusive)
    ("front_view", 32, car_view("front"), CHECKABLE, {}),
    ("rear_view", 32, car_view("rear"), CHECKABLE, {}),
    ("X", 32, car_view("left"), CHECKABLE, {}),
    ("Y", 32, car_view("right"), CHECKABLE, {}),
    ("PIP", 32, all_views, CHECKABLE, {}),
    # control panel: transport buttons
    ("file", 32, folder, WITH_DISABLE, {}),
    ("shot", 32, camera, WITH_DISABLE, {}),
    ("prev", 24, previous, WITH_DISABLE, {}),
    ("play", 32, play, WITH_DISABLE, {"radius": 16}),
    ("pause", 32, pause, WITH_DISABLE, {"radius": 16}),
    ("stop", 32, stop, WITH_DISABLE, {"radius": 16}),
    ("next", 24, next_, WITH_DISABLE, {}),
    # control panel: mute tool button (20 x 20)
    ("volume", 20, volume, WITH_DISABLE, {}),
    ("mute", 20, mute, WITH_DISABLE, {}),
    # rate selector arrows (16 x 16)
    ("speedup", 16, chevron_up, BASIC, {}),
    ("speeddown", 16, chevron_down, BASIC, {}),
]


# ------------------------------------------------------------------ the logo


def logo():
    # A lens looking down a road towards a light on the horizon.
    body = """
<defs>
  <linearGradient id="bg" x1="0" y1="0" x2="0" y2="1">
    <stop offset="0" stop-color="#26344f"/>
    <stop offset="1" stop-color="#121822"/>
  </linearGradient>
  <radialGradient id="glow" cx="32" cy="27" r="14" gradientUnits="userSpaceOnUse">
    <stop offset="0" stop-color="#ffc46b" stop-opacity="0.85"/>
    <stop offset="1" stop-color="#ffc46b" stop-opacity="0"/>
  </radialGradient>
  <clipPath id="lens"><circle cx="32" cy="32" r="17"/></clipPath>
</defs>
<rect x="2" y="2" width="60" height="60" rx="14" fill="url(#bg)"/>
<circle cx="32" cy="32" r="21.5" fill="none" stroke="#4fa3ff" stroke-width="4.5"/>
<circle cx="32" cy="32" r="17" fill="#0d121b"/>
<g clip-path="url(#lens)">
  <circle cx="32" cy="27" r="14" fill="url(#glow)"/>
  <path d="M29.6 27 L34.4 27 L46 50 L18 50 Z" fill="#4fa3ff" fill-opacity="0.9"/>
  <path d="M32 30 V33 M32 37 V41.5 M32 45 V50" stroke="#0d121b" stroke-width="1.6"/>
  <path d="M13 27 H51" stroke="#4fa3ff" stroke-opacity="0.5" stroke-width="1"/>
</g>
<circle cx="32" cy="27" r="3" fill="#ffc46b"/>
"""
    write("logo", 128, 128, "0 0 64 64", body)


# ------------------------------------------------------------- USB drive icon


def usb_disk():
    body = """
<defs>
  <linearGradient id="body" x1="0" y1="0" x2="1" y2="0">
    <stop offset="0" stop-color="#3a3a46"/>
    <stop offset="1" stop-color="#2a2a33"/>
  </linearGradient>
</defs>
<g transform="rotate(-30 40 40)">
  <rect x="31" y="6" width="18" height="17" rx="1.5" fill="#9a9aa6" stroke="#c8c8d0" stroke-width="1.5"/>
  <rect x="35" y="10.5" width="3.5" height="3.5" fill="#2a2a33"/>
  <rect x="41.5" y="10.5" width="3.5" height="3.5" fill="#2a2a33"/>
  <rect x="26" y="22" width="28" height="50" rx="5" fill="url(#body)" stroke="#c8c8d0" stroke-width="2"/>
  <g fill="none" stroke="#4fa3ff" stroke-width="2.2" stroke-linecap="round" stroke-linejoin="round">
    <path d="M40 34 V62"/>
    <path d="M40 52 L33 46 V41"/>
    <path d="M40 56 L47 50 V45"/>
  </g>
  <path d="M40 30 L37 35 H43 Z" fill="#4fa3ff"/>
  <circle cx="33" cy="40" r="2" fill="#4fa3ff"/>
  <rect x="45" y="42" width="4" height="4" fill="#4fa3ff"/>
  <circle cx="40" cy="64" r="2.6" fill="#4fa3ff"/>
</g>
"""
    write("usbDisk", 160, 160, "0 0 80 80", body)


# ------------------------------------------------------------------ the dials
# Both are 500 x 500 and are painted scaled into the largest centred square of their
# widget; the needles are painted by the widgets around the square's centre.

C = 250.0


def dial_face():
    return """
<defs>
  <radialGradient id="rim" cx="250" cy="250" r="249" gradientUnits="userSpaceOnUse">
    <stop offset="0.9" stop-color="#2a2a33"/>
    <stop offset="1" stop-color="#16161b"/>
  </radialGradient>
  <radialGradient id="inner" cx="250" cy="230" r="170" gradientUnits="userSpaceOnUse">
    <stop offset="0" stop-color="#a6a6b2"/>
    <stop offset="1" stop-color="#6c6c78"/>
  </radialGradient>
</defs>
<circle cx="250" cy="250" r="249" fill="url(#rim)"/>
<circle cx="250" cy="250" r="241" fill="#1b1b21" stroke="#3c3c48" stroke-width="3"/>
"""


def tick(r1, r2, deg, width, colour):
    x1, y1 = polar(C, C, r1, deg)
    x2, y2 = polar(C, C, r2, deg)
    return '<line x1="%s" y1="%s" x2="%s" y2="%s" stroke="%s" stroke-width="%s" stroke-linecap="butt"/>' % (
        fmt(x1), fmt(y1), fmt(x2), fmt(y2), colour, fmt(width))


def arc(r, a1, a2, width, colour):
    x1, y1 = polar(C, C, r, a1)
    x2, y2 = polar(C, C, r, a2)
    large = 1 if (a2 - a1) > 180 else 0
    return '<path d="M%s %s A%s %s 0 %d 1 %s %s" fill="none" stroke="%s" stroke-width="%s"/>' % (
        fmt(x1), fmt(y1), fmt(r), fmt(r), large, fmt(x2), fmt(y2), colour, fmt(width))


def label(x, y, text, size, colour, weight="bold"):
    # dominant-baseline is honoured by librsvg; the small dy keeps digits optically centred.
    return (
        '<text x="%s" y="%s" font-family="%s" font-size="%s" font-weight="%s" fill="%s" '
        'text-anchor="middle" dominant-baseline="central">%s</text>'
        % (fmt(x), fmt(y), FONT, fmt(size), weight, colour, text)
    )


def speed_angle(value):
    # Must match SpeedTray: 0 at -135 degrees, 110 straight up, 220 at +135.
    return value * 270.0 / 220.0 - 135.0


def speed_dial():
    parts = [dial_face()]
    # The needle (0.3 of the side, 150 px here) sweeps the light disc; its tip meets the
    # inner end of the ticks.
    parts.append('<circle cx="250" cy="250" r="152" fill="url(#inner)"/>')
    parts.append('<circle cx="250" cy="250" r="152" fill="none" stroke="#2a2a33" stroke-width="3"/>')
    parts.append(arc(186, speed_angle(0), speed_angle(180), 3, "#4a4a58"))
    parts.append(arc(184, speed_angle(180), speed_angle(220), 9, "#d8343c"))
    for v in range(0, 221, 2):
        a = speed_angle(v)
        if v % 20 == 0:
            parts.append(tick(155, 190, a, 5, "#ececf2"))
        elif v % 10 == 0:
            parts.append(tick(165, 190, a, 3, "#c8c8d0"))
        else:
            parts.append(tick(177, 187, a, 2.2, "#8a8a96"))
    for v in range(0, 221, 20):
        x, y = polar(C, C, 212, speed_angle(v))
        colour = "#ff6a6a" if v >= 180 else "#ececf2"
        parts.append(label(x, y, str(v), 23, colour))
    # the box the widget writes the speed into: (s/2 - s/6, 0.76 s, s/3, s/12)
    parts.append('<rect x="161" y="376" width="178" height="50" rx="9" fill="#101014" '
                 'stroke="#3c3c48" stroke-width="2.5"/>')
    parts.append('<circle cx="250" cy="250" r="26" fill="#2a2a33" stroke="#4a4a58" stroke-width="2"/>')
    write("speed", 500, 500, "0 0 500 500", "\n".join(parts))


def compass_dial():
    parts = [dial_face()]
    parts.append('<circle cx="250" cy="250" r="168" fill="url(#inner)"/>')
    parts.append('<circle cx="250" cy="250" r="168" fill="none" stroke="#2a2a33" stroke-width="3"/>')
    # the rose: long cardinal points, short intercardinal ones, each half lit from the left
    rose = []
    for i in range(8):
        a = i * 45.0
        length = 128 if i % 2 == 0 else 78
        half = 15 if i % 2 == 0 else 11
        tip = polar(C, C, length, a)
        left = polar(C, C, half, a - 45)
        right = polar(C, C, half, a + 45)
        rose.append('<path d="M250 250 L%s %s L%s %s Z" fill="%s"/>' % (
            fmt(left[0]), fmt(left[1]), fmt(tip[0]), fmt(tip[1]),
            "#8e8e9a" if i % 2 == 0 else "#858591"))
        rose.append('<path d="M250 250 L%s %s L%s %s Z" fill="%s"/>' % (
            fmt(right[0]), fmt(right[1]), fmt(tip[0]), fmt(tip[1]),
            "#5e5e6a" if i % 2 == 0 else "#6a6a76"))
    # intercardinal points go under the cardinal ones
    parts.extend(rose[2:4] + rose[6:8] + rose[10:12] + rose[14:16])
    parts.extend(rose[0:2] + rose[4:6] + rose[8:10] + rose[12:14])
    parts.append('<circle cx="250" cy="250" r="60" fill="none" stroke="#55555f" stroke-width="1.5"/>')
    for i, letter in enumerate("NESW"):
        x, y = polar(C, C, 148, i * 90.0)
        parts.append(label(x, y, letter, 30, "#c0262e" if letter == "N" else "#1b1b21"))
    for d in range(0, 360, 5):
        if d % 20 == 0:
            parts.append(tick(172, 198, d, 4.5, "#ececf2"))
        elif d % 10 == 0:
            parts.append(tick(176, 194, d, 2.5, "#c8c8d0"))
        else:
            parts.append(tick(180, 190, d, 2.2, "#8a8a96"))
    for d in range(0, 360, 20):
        x, y = polar(C, C, 216, d)
        parts.append(label(x, y, str(d), 20, "#ff6a6a" if d == 0 else "#ececf2"))
    write("direction", 500, 500, "0 0 500 500", "\n".join(parts))


# -------------------------------------------------------------- combo arrows


def combo_arrows():
    for state, c in (("normal", ICON), ("hover", HOVER), ("disable", DISABLED)):
        write("arrow_down_" + state, 24, 24, "0 0 12 12",
              '<path d="M3 4.5 L6 7.5 L9 4.5" %s/>' % line_attrs(c, 1.5))


def main():
    for stem, size, draw, states, opts in BUTTONS:
        for state in states:
            button(stem, size, draw, state, **opts)
    logo()
    usb_disk()
    speed_dial()
    compass_dial()
    combo_arrows()
    present = set(f for f in os.listdir(HERE) if f.endswith(".svg"))
    stale = sorted(present - WRITTEN)
    if stale:
        print("not written by this script:", " ".join(stale), file=sys.stderr)
    print(len(WRITTEN), "images")


if __name__ == "__main__":
    main()
