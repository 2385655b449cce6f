/* Legacy Flash movie: an embedded object; browsers without a player show the fallback text. */
VLMObject.define("flash", {
  render: function (root) {
    var p = this.props, url = VLM.resolveSrc(p.src), holder = root;
    if (url) {
      var o = VLM.el("object", "", root);
      o.type = "application/x-shockwave-flash";
      o.data = url;
      VLM.setName(o, VLM.firstText(p.label, p.fallbackText));
      var prm = VLM.el("param", "", o);
      prm.name = "movie";
      prm.value = url;
      var bg = VLM.el("param", "", o);
      bg.name = "bgcolor";
      bg.value = VLM.color(p.bgColor) || "#ffffff";
      holder = o;
    }
    var fb = VLM.el("div", "vlm-fallback", holder);
    fb.textContent = p.fallbackText || "";
  }
});
