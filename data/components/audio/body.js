VLMObject.create("audio", {
  name: "<!-- property:name //-->",
  x: "<!-- property:x //-->",
  y: "<!-- property:y //-->",
  width: "<!-- property:width //-->",
  height: "<!-- property:height //-->",
  visibility: "<!-- property:visibility //-->",
  step: "<!-- property:step //-->",
  src: "<!-- property:src //-->",
  controls: "<!-- property:controls //-->",
  autoplay: "<!-- property:autoplay //-->",
  loop: "<!-- property:loop //-->",
  label: "<!-- property:label //-->"
}, {
  onend: function () {
<!-- event:onend //-->
  }
});
