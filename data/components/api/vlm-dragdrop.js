/* Drag and drop of "DDElement" objects into "DDBasket" objects, with mouse, pen or touch. */

VLM.baskets = function () {
  var out = [];
  for (var i = 0; i < VLMObject.list.length; i++) {
    if (VLMObject.list[i].className === "DDBasket") out.push(VLMObject.list[i]);
  }
  return out;
};

VLM.basketAt = function (x, y) {
  var b = VLM.baskets();
  for (var i = b.length - 1; i >= 0; i--) {
    if (!b[i].visible) continue;
    var r = b[i].root.getBoundingClientRect();
    if (x >= r.left && x <= r.right && y >= r.top && y <= r.bottom) return b[i];
  }
  return null;
};

VLM.makeDraggable = function (obj) {
  var root = obj.root, drag = null;
  root.style.touchAction = "none";
  function point(e) {
    return { x: e.clientX, y: e.clientY };
  }
  function down(e) {
    if (!VLM.interactive() || obj.locked || !obj.enabled) return;
    var p = point(e);
    drag = { x: p.x, y: p.y, left: root.offsetLeft, top: root.offsetTop, scale: VLM.pageScale() };
    root.className += " vlm-dragging";
    if (root.setPointerCapture && e.pointerId !== undefined) root.setPointerCapture(e.pointerId);
    e.preventDefault();
  }
  function move(e) {
    if (!drag) return;
    var p = point(e);
    root.style.left = drag.left + (p.x - drag.x) / drag.scale + "px";
    root.style.top = drag.top + (p.y - drag.y) / drag.scale + "px";
    e.preventDefault();
  }
  function up(e) {
    if (!drag) return;
    drag = null;
    root.className = root.className.replace(/ vlm-dragging/g, "");
    var r = root.getBoundingClientRect();
    obj.dropInto(VLM.basketAt(r.left + r.width / 2, r.top + r.height / 2));
    e.preventDefault();
  }
  if (window.PointerEvent) {
    root.addEventListener("pointerdown", down);
    root.addEventListener("pointermove", move);
    root.addEventListener("pointerup", up);
    root.addEventListener("pointercancel", up);
  } else {
    root.addEventListener("mousedown", down);
    document.addEventListener("mousemove", move);
    document.addEventListener("mouseup", up);
  }
};

VLM.pageScale = function () {
  var m = /scale\(([0-9.]+)\)/.exec(VLM.container().style.transform || "");
  return m ? parseFloat(m[1]) || 1 : 1;
};
