"""The pictures that the course and page templates ship, drawn in code."""
import math

from vlmxml import png


def _mix(a, b, t):
    return tuple(int(a[i] + (b[i] - a[i]) * t) for i in range(3))


def _hex(c):
    return tuple(int(c[i:i + 2], 16) for i in (0, 2, 4))


def banner(width=800, height=200, left="1F4E8C", right="5FA3DE"):
    """A gradient band with soft circles: the title page's header."""
    a, b = _hex(left), _hex(right)
    circles = [(620, 40, 120), (720, 170, 90), (90, 190, 70), (470, -30, 80)]

    def pixel(x, y):
        c = _mix(a, b, x / (width - 1))
        for cx, cy, r in circles:
            if (x - cx) ** 2 + (y - cy) ** 2 < r * r:
                c = _mix(c, (255, 255, 255), 0.12)
        return c
    return png(width, height, pixel)


def illustration(width=320, height=240):
    """An open book on a light background: a picture for text pages."""
    bg, page, line, spine = (0xEE, 0xF3, 0xF9), (0xFF, 0xFF, 0xFF), (0xA9, 0xBC, 0xD6), (0x2F, 0x6F, 0xB7)
    cx = width // 2

    def pixel(x, y):
        top = 50 + abs(x - cx) * 0.12
        if 30 <= x < width - 30 and top <= y < 200:
            if abs(x - cx) < 3:
                return spine
            inner = (x - 50) if x < cx else (x - cx - 20)
            row = int(y - top)
            if 20 < row < 130 and row % 18 < 3 and 0 < inner < cx - 70:
                return line
            return page
        if 30 <= x < width - 30 and 200 <= y < 210:
            return spine
        return bg
    return png(width, height, pixel)


def poster(width=480, height=270):
    """A dark frame with a play sign: the poster of a video placeholder."""
    a, b = (0x1B, 0x26, 0x38), (0x34, 0x4A, 0x6B)
    cx, cy = width / 2, height / 2

    def pixel(x, y):
        c = _mix(a, b, y / (height - 1))
        d = math.hypot(x - cx, y - cy)
        if d < 48:
            c = _mix(c, (255, 255, 255), 0.25)
            # triangle pointing right
            if -18 <= x - cx - 6 <= 22 and abs(y - cy) <= (22 - (x - cx - 6)) * 0.75:
                c = (255, 255, 255)
        return c
    return png(width, height, pixel)


def check_mark(size=160, colour="2E9E5B"):
    """A green disc with a white tick: the summary page's picture."""
    g = _hex(colour)
    c0 = size / 2

    def on_segment(px, py, ax, ay, bx, by, w):
        vx, vy = bx - ax, by - ay
        t = max(0.0, min(1.0, ((px - ax) * vx + (py - ay) * vy) / (vx * vx + vy * vy)))
        return math.hypot(px - ax - t * vx, py - ay - t * vy) < w

    def pixel(x, y):
        if math.hypot(x - c0, y - c0) > size / 2 - 2:
            return (255, 255, 255)
        s = size / 160
        if on_segment(x, y, 45 * s, 82 * s, 70 * s, 108 * s, 9 * s) or \
                on_segment(x, y, 70 * s, 108 * s, 118 * s, 55 * s, 9 * s):
            return (255, 255, 255)
        return g
    return png(size, size, pixel)


def chapter(width=800, height=120):
    """A band for chapter pages."""
    return banner(width, height, "145A5A", "3FA3A0")
