VLMObject.create("video", {
  name: "<!-- property:name //-->",
  x: "<!-- property:x //-->",
  y: "<!-- property:y //-->",
  width: "<!-- property:width //-->",
  height: "<!-- property:height //-->",
  visibility: "<!-- property:visibility //-->",
  step: "<!-- property:step //-->",
  src: "<!-- property:src //-->",
  srcAlt: "<!-- property:srcAlt //-->",
  poster: "<!-- property:poster //-->",
  controls: "<!-- property:controls //-->",
  autoplay: "<!-- property:autoplay //-->",
  loop: "<!-- property:loop //-->",
  muted: "<!-- property:muted //-->",
  label: "<!-- property:label //-->",
  captions: "<!-- property:captions //-->",
  captionsLang: "<!-- property:captionsLang //-->"
}, {
  onend: function () {
<!-- event:onend //-->
  },
  onclick: function () {
<!-- event:onclick //-->
  }
});
