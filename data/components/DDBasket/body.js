VLMObject.create("DDBasket", {
  name: "<!-- property:name //-->",
  x: "<!-- property:x //-->",
  y: "<!-- property:y //-->",
  width: "<!-- property:width //-->",
  height: "<!-- property:height //-->",
  visibility: "<!-- property:visibility //-->",
  step: "<!-- property:step //-->",
  caption: "<!-- property:caption //-->",
  capacity: "<!-- property:capacity //-->",
  bgColor: "<!-- property:bgColor //-->",
  borderColor: "<!-- property:borderColor //-->",
  fontFamily: "<!-- property:fontFamily //-->",
  fontSize: "<!-- property:fontSize //-->",
  color: "<!-- property:color //-->"
}, {
  ondrop: function () {
<!-- event:ondrop //-->
  }
});
