VLMObject.create("flash", {
  name: "<!-- property:name //-->",
  x: "<!-- property:x //-->",
  y: "<!-- property:y //-->",
  width: "<!-- property:width //-->",
  height: "<!-- property:height //-->",
  visibility: "<!-- property:visibility //-->",
  step: "<!-- property:step //-->",
  src: "<!-- property:src //-->",
  bgColor: "<!-- property:bgColor //-->",
  fallbackText: "<!-- property:fallbackText //-->"
}, {
});
